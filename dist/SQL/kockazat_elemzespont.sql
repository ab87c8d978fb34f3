-- kockazat_elemzespont: points of a risk analysis, copied from the template tree and assessed
CREATE TABLE kockazat_elemzespont (
  kockazat_elemzespont_kod serial PRIMARY KEY,
  kockazat_elemzespont_tkod integer REFERENCES kockazat_elemzes (kockazat_elemzes_kod),  -- owning analysis
  szulo varchar(15),  -- number of the parent point; null for a main point
  ertek varchar(15),  -- the point's own number
  melyseg smallint,  -- depth, 1 for a main point
  sorszam smallint,  -- position among the siblings, from 1
  sorszamszov varchar(40),  -- sort key of ertek
  szuloszov varchar(30),  -- sort key of szulo
  szoveg text,  -- heading text
  eszrevetel text,  -- remark about the risk
  javaslat text,  -- proposal for avoiding the risk
  engedely varchar(1),  -- '1' endpoint (assessed), '0' group point
  masol boolean,  -- work flag of the renumbering
  felelos varchar(80),  -- person responsible for the measure
  datum_hatarido date,  -- deadline
  hataridoszov varchar(30),  -- deadline as text, printed instead of the date when filled
  kovetkezmeny smallint,  -- consequence class 1-5, 0 after clearing, null when not assessed
  valoszinuseg smallint,  -- probability class 1-5, same convention
  gyakorisag smallint,  -- frequency of the activity
  kritikussag varchar(2),  -- criticality 0-10 as text
  intezkedes varchar(200),  -- measure text of the risk class
  sullyozas smallint,  -- risk class 1-5, 0 after clearing
  muszaki boolean,  -- technical measure
  oktatas boolean,  -- training
  szervezes boolean,  -- organisational measure
  szabalyozas boolean,  -- regulatory measure
  ellenorzes boolean,  -- inspection
  egyenivedeszk boolean,  -- personal protective equipment
  nyomtathato boolean,  -- the point is printed
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX kockazat_elemzespont_tkod_idx ON kockazat_elemzespont (kockazat_elemzespont_tkod);
CREATE INDEX kockazat_elemzespont_sorszamszov_idx ON kockazat_elemzespont (kockazat_elemzespont_tkod, sorszamszov);
