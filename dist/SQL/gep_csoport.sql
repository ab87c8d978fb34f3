-- gep_csoport: groups of the inspection templates (minta jegyzőkönyv csoport)
CREATE TABLE gep_csoport (
  gep_csoport_kod serial PRIMARY KEY,
  nev varchar(40),  -- group name ("Csoportnév"); templates store it in gep_minta.csoport
  c_userid varchar(20),  -- user who inserted the row
  c_date date,  -- date of insert
  c_time varchar(10),  -- time of insert, as text
  m_userid varchar(20),  -- user who changed the row last
  m_date date,  -- date of last change
  m_time varchar(10)  -- time of last change, as text
);
CREATE INDEX gep_csoport_nev_idx ON gep_csoport (nev);
