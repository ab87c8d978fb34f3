-- fixdata_hkezelesikod: waste treatment codes (hulladékkezelési kód) of receivers and treaters
CREATE TABLE fixdata_hkezelesikod (
  fixdata_hkezelesikod_kod serial PRIMARY KEY,
  kezelesikod varchar(6),  -- treatment code
  megnevezes varchar(255),  -- name of the treatment
  adat varchar(1),  -- marker of the entry
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX fixdata_hkezelesikod_megnevezes_idx ON fixdata_hkezelesikod (megnevezes);
