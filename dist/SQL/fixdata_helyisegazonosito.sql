-- fixdata_helyisegazonosito: settlement identifiers (településazonosító) for the waste data supply
CREATE TABLE fixdata_helyisegazonosito (
  fixdata_helyisegazonosito_kod serial PRIMARY KEY,
  azonosito varchar(6),  -- settlement identifier
  helyseg varchar(40),  -- settlement name
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX fixdata_helyisegazonosito_helyseg_idx ON fixdata_helyisegazonosito (helyseg);
