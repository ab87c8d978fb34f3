-- hulladek_hb: cover sheets (borítólap) of the periodic waste data supply of a partner site
CREATE TABLE hulladek_hb (
  hulladek_hb_kod serial PRIMARY KEY,
  hulladek_hb_pkod integer,  -- partner of the working context
  hulladek_hb_tkod integer,  -- site of the working context
  partner varchar(80),  -- the partner's name
  datum_kelt date,  -- date
  negyedev varchar(1),  -- quarter, "1" to "4"
  beszamolasiido varchar(4),  -- reporting period, a year
  partnerazonosito varchar(5),  -- settlement identifier of the partner's seat
  telepazonosito varchar(5),  -- settlement identifier of the site
  letszamkat varchar(30),  -- headcount category of the site
  teleptipus varchar(50),  -- type of the site, "T - Termelő" ...
  nev varchar(60),  -- person responsible
  beosztas varchar(60),
  telefon varchar(20),
  fax varchar(20),
  email varchar(100),
  htnum integer,  -- number of attached HT sheets
  hbnum integer,  -- number of attached HB sheets
  hknum integer,  -- number of attached HK sheets
  eprtrnum integer,  -- number of attached E-PRTR sheets
  numsum integer,  -- attached sheets in total
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX hulladek_hb_context_idx ON hulladek_hb (hulladek_hb_pkod, hulladek_hb_tkod);
