-- eve_minta: templates of the personal protective equipment survey, one per job (seven hazard x body-part matrices)
CREATE TABLE eve_minta (
  eve_minta_kod serial PRIMARY KEY,
  fizikai varchar(221), -- marks of physical (mechanical) hazards: 17 hazards x 13 body parts, '1' marked, '0' not
  hozaj varchar(156), -- marks of temperature and noise hazards: 12 x 13
  villamos varchar(104), -- marks of electrical hazards: 8 x 13
  vegyi varchar(117), -- marks of liquid and chemical hazards: 9 x 13
  levego varchar(117), -- marks of polluted-air hazards: 9 x 13
  biologiai varchar(52), -- marks of biological hazards: 4 x 13
  sugarzas varchar(143), -- marks of radiation hazards: 11 x 13
  feor varchar(10), -- FEOR code of the job
  feorszoveg varchar(60), -- job name, list order
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX eve_minta_feorszoveg_idx ON eve_minta (feorszoveg);
