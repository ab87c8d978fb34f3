-- hulladek_ht: waste-generation sheets (HT lap) of a cover sheet; quantities in kg, as text
CREATE TABLE hulladek_ht (
  hulladek_ht_kod serial PRIMARY KEY,
  hulladek_ht_hbkod integer REFERENCES hulladek_hb (hulladek_hb_kod),  -- the cover sheet
  nev varchar(60),  -- name of the waste
  ewc varchar(15),  -- EWC code
  osszetevo varchar(20),  -- main components
  jellemzo varchar(40),  -- hazard characteristics
  fizmegforma varchar(20),  -- physical form
  tenyleges varchar(15),  -- actual quantity at the start of the year
  visszavetelezett varchar(15),  -- taken back
  keletkezett varchar(15),  -- generated in total
  elokezeles varchar(15),  -- handed over for pre-treatment
  begyujtes varchar(15),  -- handed over for collection
  hasznositott varchar(15),  -- handed over for recovery or disposal
  export varchar(15),  -- exported
  tenylegesveg varchar(15),  -- actual quantity at the site at the end of the year
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX hulladek_ht_hbkod_idx ON hulladek_ht (hulladek_ht_hbkod);
