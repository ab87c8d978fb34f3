-- hulladek_ht_kel: generation rows of a waste-generation sheet (activity, treatment code, quantity)
CREATE TABLE hulladek_ht_kel (
  hulladek_ht_kel_kod serial PRIMARY KEY,
  hulladek_ht_kel_htkod integer REFERENCES hulladek_ht (hulladek_ht_kod),  -- the sheet
  teaor varchar(5),  -- activity code
  kezeles varchar(10),  -- treatment code for secondary waste
  tevekenyseg varchar(60),  -- activity
  mennyiseg varchar(15),  -- quantity
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX hulladek_ht_kel_htkod_idx ON hulladek_ht_kel (hulladek_ht_kel_htkod);
