-- fixdata_ewckod: European Waste Catalogue (EWC) codes: 2-character chapters, 4-character groups, 6-character entries
-- Ships empty; the list is loaded by an upgrade step.
CREATE TABLE fixdata_ewckod (
  fixdata_ewckod_kod serial PRIMARY KEY,
  ewc varchar(10),  -- EWC code
  megnevezes varchar(255),  -- name of the waste
  adat varchar(1),  -- marker of the entry
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX fixdata_ewckod_ewc_idx ON fixdata_ewckod (ewc);
