-- fixdata_hosszetevo: main components (összetevők) of hazardous waste, by sign
CREATE TABLE fixdata_hosszetevo (
  fixdata_hosszetevo_kod serial PRIMARY KEY,
  jel varchar(4),  -- sign of the component
  megnevezes varchar(200),  -- name of the component
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX fixdata_hosszetevo_megnevezes_idx ON fixdata_hosszetevo (megnevezes);
