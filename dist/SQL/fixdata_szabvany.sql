-- fixdata_szabvany: catalogue of technical standards cited by inspection templates and protocols
CREATE TABLE fixdata_szabvany (
  szabvany_kod serial PRIMARY KEY,
  csoportb varchar(100),  -- type group: nev of a fixdata_szabvany_csoport row (by name, not by key)
  szam varchar(50),  -- standard number
  szoveg varchar(250),  -- title
  megjegyzes varchar(50),  -- remark
  csoporta varchar(100),  -- series (MSZ, MSZ EN, MSZ EN ISO ...)
  hatalyos boolean,  -- in force
  angol boolean,  -- English-language edition
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX fixdata_szabvany_szam_idx ON fixdata_szabvany (szam);
CREATE INDEX fixdata_szabvany_csoportb_idx ON fixdata_szabvany (csoportb);
