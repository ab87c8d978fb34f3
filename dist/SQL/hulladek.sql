-- hulladek: hazardous waste register (veszélyes hulladék nyilvántartás): each kind of waste of a partner site
CREATE TABLE hulladek (
  hulladek_kod serial PRIMARY KEY,
  hulladek_pkod integer,  -- partner of the working context
  hulladek_tkod integer,  -- site of the working context
  nev varchar(60),  -- name of the waste
  ewc varchar(15),  -- EWC code
  un varchar(15),  -- UN number
  veszoszt varchar(5),  -- hazard class
  ev varchar(4),  -- year of generation
  fizmegforma varchar(20),  -- physical form, "S - Szilárd" ...
  atvevo varchar(60),  -- receiver
  alairas varchar(30),  -- signature
  kuj varchar(10),  -- receiver's environmental client identifier (KÜJ)
  ktj varchar(10),  -- receiver's environmental site identifier (KTJ)
  kezelesikod varchar(6),  -- receiver's treatment code
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX hulladek_context_idx ON hulladek (hulladek_pkod, hulladek_tkod);
