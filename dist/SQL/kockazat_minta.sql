-- kockazat_minta: risk templates (kockázati minta jegyzőkönyvek), global, not tied to a partner or site
CREATE TABLE kockazat_minta (
  kockazat_minta_kod serial PRIMARY KEY,
  nev varchar(100),  -- template name
  tipus varchar(50),  -- tipusnev of a kockazat_tipus row, stored as text
  masol boolean,  -- workbook exchange mark
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX kockazat_minta_nev_idx ON kockazat_minta (nev);
