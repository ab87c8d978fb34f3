-- kockazat_ertekelesosztaly: jobs (munkakör) of a risk evaluation with head-counts and occupational-health class
CREATE TABLE kockazat_ertekelesosztaly (
  kockazat_ertekelesosztaly_kod serial PRIMARY KEY,
  kockazat_ertekelesosztaly_tkod integer REFERENCES kockazat_ertekeles (kockazat_ertekeles_kod),  -- owning evaluation
  feor varchar(10),  -- occupation code
  munkakor varchar(100),  -- job title
  letszam varchar(4),  -- head-count
  ferfi varchar(4),  -- of which men
  nok varchar(4),  -- of which women
  osztaly varchar(1),  -- occupational-health class A, B, C or D
  javaslat text,  -- proposal for avoiding the exposures
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX kockazat_ertekelesosztaly_tkod_idx ON kockazat_ertekelesosztaly (kockazat_ertekelesosztaly_tkod);
