-- kockazat_pszelemzespont: points of a psychosocial examination, copied from the template, with finding, harm and risk level
CREATE TABLE kockazat_pszelemzespont (
  kockazat_pszelemzespont_kod serial PRIMARY KEY,
  kockazat_pszelemzespont_tkod integer REFERENCES kockazat_pszelemzes (kockazat_pszelemzes_kod), -- owning examination
  szulo varchar(15), -- number of the parent point
  ertek varchar(15), -- the point's own number
  melyseg smallint, -- depth
  sorszam smallint, -- position among the siblings
  sorszamszov varchar(40), -- sort key of ertek, list order
  szoveg varchar(255), -- question or heading text
  engedely varchar(1), -- '1' endpoint, '0' group point
  szuloszov varchar(30), -- sort key of szulo
  megallapitas boolean, -- finding: the question applies at this workplace
  artalom varchar(30), -- harm category (nincs ártalom ... maradandó hatás)
  kockazat varchar(20), -- risk level derived from the harm category
  masol boolean, -- work flag
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX kockazat_pszelemzespont_tkod_idx ON kockazat_pszelemzespont (kockazat_pszelemzespont_tkod);
