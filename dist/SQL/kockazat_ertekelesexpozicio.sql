-- kockazat_ertekelesexpozicio: exposures of one job of a risk evaluation, copied from fixdata_expozicio
CREATE TABLE kockazat_ertekelesexpozicio (
  kockazat_ertekelesexpozicio_kod serial PRIMARY KEY,
  kockazat_ertekelesexpozicio_tkod integer REFERENCES kockazat_ertekeles (kockazat_ertekeles_kod),  -- owning evaluation
  kockazat_ertekelesexpozicio_okod integer REFERENCES kockazat_ertekelesosztaly (kockazat_ertekelesosztaly_kod),  -- owning job
  sorszamszov varchar(10),  -- type chosen: as the catalogue column it is copied from
  expozicio varchar(60),  -- type chosen: as the catalogue column it is copied from
  szulo varchar(1),  -- type chosen: as the catalogue column it is copied from
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX kockazat_ertekelesexpozicio_tkod_idx ON kockazat_ertekelesexpozicio (kockazat_ertekelesexpozicio_tkod);
CREATE INDEX kockazat_ertekelesexpozicio_okod_idx ON kockazat_ertekelesexpozicio (kockazat_ertekelesexpozicio_okod);
