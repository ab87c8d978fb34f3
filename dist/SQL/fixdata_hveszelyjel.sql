-- fixdata_hveszelyjel: hazard characteristics (veszélyességi jellemzők) of hazardous waste, by sign
CREATE TABLE fixdata_hveszelyjel (
  fixdata_hveszelyjel_kod serial PRIMARY KEY,
  jel varchar(5),  -- sign of the characteristic
  megnevezes varchar(255),  -- name of the characteristic
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX fixdata_hveszelyjel_megnevezes_idx ON fixdata_hveszelyjel (megnevezes);
