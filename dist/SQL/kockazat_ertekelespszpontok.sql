-- kockazat_ertekelespszpontok: psychosocial examinations included in a risk evaluation
CREATE TABLE kockazat_ertekelespszpontok (
  kockazat_ertekelespszpontok_kod serial PRIMARY KEY,
  kockazat_ertekelespszpontok_tkod integer REFERENCES kockazat_ertekeles (kockazat_ertekeles_kod),  -- owning evaluation
  pszelemzes_kod integer,  -- kockazat_pszelemzes_kod of the included examination; no foreign key: that table is created later
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX kockazat_ertekelespszpontok_tkod_idx ON kockazat_ertekelespszpontok (kockazat_ertekelespszpontok_tkod);
