-- fixdata_egyenivedelem: code list of personal protective equipment with its standard, grouped by body protection
CREATE TABLE fixdata_egyenivedelem (
  fixdata_egyenivedelem_kod serial PRIMARY KEY,
  szuloszov varchar(10), -- sort key; its first character is the group digit
  nev varchar(250), -- equipment or group name
  szabvany varchar(50), -- standard of the equipment
  szulo boolean, -- true for a group row
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX fixdata_egyenivedelem_szuloszov_idx ON fixdata_egyenivedelem (szuloszov);
