-- dolgozo_feor: jobs (FEOR occupations) of an employee
CREATE TABLE dolgozo_feor (
  dolgozo_feor_kod serial PRIMARY KEY,
  dolgozo_feor_dkod integer REFERENCES dolgozo (dolgozo_kod),  -- owning employee
  feor varchar(10),  -- FEOR code, four digits
  beosztas varchar(150),  -- job title
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX dolgozo_feor_dkod_idx ON dolgozo_feor (dolgozo_feor_dkod);
