-- alairas: signatories (aláírók) of the documents, with certificate number or position
CREATE TABLE alairas (
  alairas_kod serial PRIMARY KEY,
  nev varchar(100),  -- name of the signatory
  beosztas varchar(100),  -- certificate number or position
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX alairas_nev_idx ON alairas (nev);
