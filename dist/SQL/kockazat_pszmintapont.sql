-- kockazat_pszmintapont: points (questions and headings) of a psychosocial template, as a numbered tree
CREATE TABLE kockazat_pszmintapont (
  kockazat_pszmintapont_kod serial PRIMARY KEY,
  kockazat_pszmintapont_tkod integer REFERENCES kockazat_pszminta (kockazat_pszminta_kod), -- owning template
  szulo varchar(15), -- number of the parent point, empty for a main point
  ertek varchar(15), -- the point's own number (1, 1.2, 1.2.3)
  melyseg smallint, -- depth, 1 for a main point, at most 4
  sorszam smallint, -- position among the siblings, from 1
  sorszamszov varchar(40), -- sort key of ertek
  szoveg varchar(255), -- question or heading text
  engedely varchar(1), -- '1' endpoint, '0' group point
  szuloszov varchar(30), -- sort key of szulo
  masol boolean, -- work flag of the renumbering
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX kockazat_pszmintapont_tkod_idx ON kockazat_pszmintapont (kockazat_pszmintapont_tkod);
