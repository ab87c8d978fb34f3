-- kockazat_ertekelespontok: risk analyses included in a risk evaluation
CREATE TABLE kockazat_ertekelespontok (
  kockazat_ertekelespontok_kod serial PRIMARY KEY,
  kockazat_ertekelespontok_tkod integer REFERENCES kockazat_ertekeles (kockazat_ertekeles_kod),  -- owning evaluation
  elemzes_kod integer,  -- kockazat_elemzes_kod of the included analysis; no foreign key: deleting an analysis does not touch these lists
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX kockazat_ertekelespontok_tkod_idx ON kockazat_ertekelespontok (kockazat_ertekelespontok_tkod);
