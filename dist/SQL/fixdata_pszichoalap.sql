-- fixdata_pszichoalap: code list of psychosocial factors, grouped, offered for the occupational-health survey
CREATE TABLE fixdata_pszichoalap (
  fixdata_pszichoalap_kod serial PRIMARY KEY,
  szuloszov varchar(10), -- sort key; its first two characters are the group code
  nev varchar(250), -- factor or group name
  szulo varchar(1), -- '1' group row, '2' and '0' rows below a group
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX fixdata_pszichoalap_szuloszov_idx ON fixdata_pszichoalap (szuloszov);
