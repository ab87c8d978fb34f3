-- kockazat_felmeropszicho: psychosocial factors of an occupational-health survey, taken from fixdata_pszichoalap
CREATE TABLE kockazat_felmeropszicho (
  kockazat_felmeropszicho_kod serial PRIMARY KEY,
  kockazat_felmeropszicho_tkod integer REFERENCES kockazat_felmero (kockazat_felmero_kod), -- owning survey
  szuloszov varchar(10), -- sort key copied from the code list
  nev varchar(250), -- factor or group name
  szulo varchar(1), -- '1' group row, '2' and '0' rows below a group
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX kockazat_felmeropszicho_tkod_idx ON kockazat_felmeropszicho (kockazat_felmeropszicho_tkod);
