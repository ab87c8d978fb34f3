-- gep_focsoport: machine main groups (gépfőcsoport); the register and the templates store the group by its name
CREATE TABLE gep_focsoport (
  gep_focsoport_kod serial PRIMARY KEY,  -- shown as "Sorszám"
  nev varchar(30),  -- group name ("Megnevezés"); "Technológiai gép", "Munkahely" and "Tartóbak" have fixed behaviour
  c_userid varchar(20),  -- user who inserted the row
  c_date date,  -- date of insert
  c_time varchar(10),  -- time of insert, as text
  m_userid varchar(20),  -- user who changed the row last
  m_date date,  -- date of last change
  m_time varchar(10)  -- time of last change, as text
);
CREATE INDEX gep_focsoport_nev_idx ON gep_focsoport (nev);
