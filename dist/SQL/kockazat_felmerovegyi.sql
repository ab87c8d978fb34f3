-- kockazat_felmerovegyi: chemicals used in the technology of an occupational-health survey
CREATE TABLE kockazat_felmerovegyi (
  kockazat_felmerovegyi_kod serial PRIMARY KEY,
  kockazat_felmerovegyi_tkod integer REFERENCES kockazat_felmero (kockazat_felmero_kod), -- owning survey
  nev varchar(200), -- substance name
  cas varchar(20), -- CAS number; no length given, the default text length
  euszam varchar(20), -- EU number; no length given, the default text length
  veszely varchar(100), -- hazard pictogram codes
  r_mondat varchar(250), -- H statements (R phrases in old rows)
  s_mondat varchar(250), -- P statements (S phrases in old rows)
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX kockazat_felmerovegyi_tkod_idx ON kockazat_felmerovegyi (kockazat_felmerovegyi_tkod);
