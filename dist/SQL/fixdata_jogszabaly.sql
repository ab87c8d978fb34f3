-- fixdata_jogszabaly: catalogue of legislation (acts and decrees) cited by inspection templates and protocols
CREATE TABLE fixdata_jogszabaly (
  jogszabaly_kod serial PRIMARY KEY,
  csoport varchar(30),  -- group: nev of a fixdata_jogszabaly_csoport row (by name, not by key)
  szam varchar(50),  -- number of the act or decree
  szoveg varchar(250),  -- title
  hatalyos boolean,  -- in force
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX fixdata_jogszabaly_szam_idx ON fixdata_jogszabaly (szam);
CREATE INDEX fixdata_jogszabaly_csoport_idx ON fixdata_jogszabaly (csoport);
