-- kockazat_pszminta: psychosocial examination templates (named questionnaires with a point tree)
CREATE TABLE kockazat_pszminta (
  kockazat_pszminta_kod serial PRIMARY KEY,
  nev varchar(100),
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX kockazat_pszminta_nev_idx ON kockazat_pszminta (nev);
