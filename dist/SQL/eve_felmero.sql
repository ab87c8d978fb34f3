-- eve_felmero: personal protective equipment surveys (EVE felmérő) of one job at a partner's site
CREATE TABLE eve_felmero (
  eve_felmero_kod serial PRIMARY KEY,
  eve_felmero_pkod integer, -- partner
  eve_felmero_tkod integer, -- site
  fizikai varchar(221), -- marks of physical (mechanical) hazards: 17 hazards x 13 body parts, '1' marked, '0' not
  hozaj varchar(156), -- marks of temperature and noise hazards: 12 x 13
  villamos varchar(104), -- marks of electrical hazards: 8 x 13
  vegyi varchar(117), -- marks of liquid and chemical hazards: 9 x 13
  levego varchar(117), -- marks of polluted-air hazards: 9 x 13
  biologiai varchar(52), -- marks of biological hazards: 4 x 13
  sugarzas varchar(143), -- marks of radiation hazards: 11 x 13
  kelthely varchar(80), -- place of issue
  datum_kelt date, -- date of issue
  munkavedelmis text, -- who made the survey: name, then certificate number or position on the next line
  feor varchar(10), -- FEOR code of the job
  feorszoveg varchar(60), -- job name, list order
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX eve_felmero_context_idx ON eve_felmero (eve_felmero_pkod, eve_felmero_tkod);
