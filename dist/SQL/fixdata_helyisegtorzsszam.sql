-- fixdata_helyisegtorzsszam: settlement register (helységtörzsszám) for the geographic code of an accident
CREATE TABLE fixdata_helyisegtorzsszam (
  fixdata_helyisegtorzsszam_kod serial PRIMARY KEY,
  azonosito varchar(6),  -- settlement identifier
  helyseg varchar(40),  -- settlement name
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX fixdata_helyisegtorzsszam_helyseg_idx ON fixdata_helyisegtorzsszam (helyseg);
