-- kockazat_mintapont: numbered point tree of a risk template (heading, remark, proposal)
CREATE TABLE kockazat_mintapont (
  kockazat_mintapont_kod serial PRIMARY KEY,
  kockazat_mintapont_tkod integer REFERENCES kockazat_minta (kockazat_minta_kod),  -- owning template
  szulo varchar(15),  -- number of the parent point; null for a main point
  ertek varchar(15),  -- the point's own number (2, 2.3, 2.3.1)
  melyseg smallint,  -- depth, 1 for a main point, at most 7
  sorszam smallint,  -- position among the siblings, from 1
  sorszamszov varchar(40),  -- sort key of ertek (1.2.10 -> 01.02.10.)
  szuloszov varchar(30),  -- sort key of szulo
  szoveg text,  -- heading text
  eszrevetel text,  -- remark about the risk
  javaslat text,  -- proposal for avoiding the risk
  engedely varchar(1),  -- endpoint flag: '1' no sub-points, '0' has sub-points
  masol boolean,  -- work flag of the renumbering
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX kockazat_mintapont_tkod_idx ON kockazat_mintapont (kockazat_mintapont_tkod);
CREATE INDEX kockazat_mintapont_sorszamszov_idx ON kockazat_mintapont (kockazat_mintapont_tkod, sorszamszov);
