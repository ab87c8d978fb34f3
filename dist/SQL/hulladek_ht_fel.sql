-- hulladek_ht_fel: treatment rows of a waste-generation sheet (treater, treatment code, quantity)
CREATE TABLE hulladek_ht_fel (
  hulladek_ht_fel_kod serial PRIMARY KEY,
  hulladek_ht_fel_htkod integer REFERENCES hulladek_ht (hulladek_ht_kod),  -- the sheet
  kezeles varchar(10),  -- treatment code
  kujktj varchar(30),  -- the treater's KÜJ/KTJ identifiers
  vegzo varchar(60),  -- who treats it
  tipus varchar(40),  -- to whom: "E - Előkezelőnek" ... "P - Exportra"
  mennyiseg varchar(15),  -- quantity
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX hulladek_ht_fel_htkod_idx ON hulladek_ht_fel (hulladek_ht_fel_htkod);
