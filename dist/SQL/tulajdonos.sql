-- tulajdonos: the owner (the consultancy running the program), one row heading the printed documents
CREATE TABLE tulajdonos (
  tulajdonos_kod serial PRIMARY KEY,  -- type chosen: the integer key every table carries
  nev varchar(80),  -- owner name; "-" marks an owner not yet filled in
  isz varchar(6),  -- postal code
  telepules varchar(80),  -- town
  cim varchar(80),  -- street address
  telefon varchar(20),  -- telephone
  fax varchar(20),  -- fax
  email varchar(100),  -- e-mail
  kapcsolat varchar(80),  -- contact person
  adoszam varchar(23),  -- tax number; also names the certification picture in ISOPic
  verzio varchar(10),  -- program version that last ran the upgrade scripts
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
