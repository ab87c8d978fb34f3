-- kockazat_felmeroeve: personal protective equipment of an occupational-health survey, taken from fixdata_egyenivedelem
CREATE TABLE kockazat_felmeroeve (
  kockazat_felmeroeve_kod serial PRIMARY KEY,
  kockazat_felmeroeve_tkod integer REFERENCES kockazat_felmero (kockazat_felmero_kod), -- owning survey
  szuloszov varchar(10), -- sort key; a group row has the digit and a dot
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
CREATE INDEX kockazat_felmeroeve_tkod_idx ON kockazat_felmeroeve (kockazat_felmeroeve_tkod);
