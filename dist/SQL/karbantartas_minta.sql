-- karbantartas_minta: maintenance plan templates (karbantartási terv minta), site-independent named task lists
CREATE TABLE karbantartas_minta (
  karbantartas_minta_kod serial PRIMARY KEY,
  nev varchar(100),  -- name of the template
  masol varchar(1),  -- selection mark of the workbook exchange
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX karbantartas_minta_nev_idx ON karbantartas_minta (nev);
