-- fixdata_vegyianyag: shared catalogue of hazardous chemical substances (R/S phrases, hazard symbols; H/P in later rows)
CREATE TABLE fixdata_vegyianyag (
  vegyianyag_kod serial PRIMARY KEY,
  nev varchar(200), -- name per safety data sheet
  cas varchar(20), -- CAS number
  euszam varchar(20), -- EU number
  veszely varchar(100), -- hazard symbols, comma separated
  veszely_jelleg varchar(100), -- nature of the hazard
  gyarto varchar(80), -- manufacturer or distributor
  halmazallapot varchar(20), -- physical form
  tuzosztaly varchar(80), -- fire-hazard class
  kockazat varchar(250), -- the risk in words
  erintkezes varchar(250), -- how it enters the body
  tevekenyseg1 varchar(30), -- activity 1 during which employees meet the substance
  tevekenyseg2 varchar(30), -- activity 2 during which employees meet the substance
  tevekenyseg3 varchar(30), -- activity 3 during which employees meet the substance
  tevekenyseg4 varchar(30), -- activity 4 during which employees meet the substance
  tevekenyseg5 varchar(30), -- activity 5 during which employees meet the substance
  tevekenyseg6 varchar(30), -- activity 6 during which employees meet the substance
  tevekenyseg7 varchar(30), -- activity 7 during which employees meet the substance
  v_nev_1 varchar(30), -- hazardous component 1: name
  v_mennyiseg_1 varchar(15), -- hazardous component 1: concentration (%)
  v_ak_1 varchar(10), -- hazardous component 1: AK limit value (mg/m3)
  v_nev_2 varchar(30), -- hazardous component 2: name
  v_mennyiseg_2 varchar(15), -- hazardous component 2: concentration (%)
  v_ak_2 varchar(10), -- hazardous component 2: AK limit value (mg/m3)
  v_nev_3 varchar(30), -- hazardous component 3: name
  v_mennyiseg_3 varchar(15), -- hazardous component 3: concentration (%)
  v_ak_3 varchar(10), -- hazardous component 3: AK limit value (mg/m3)
  v_nev_4 varchar(30), -- hazardous component 4: name
  v_mennyiseg_4 varchar(15), -- hazardous component 4: concentration (%)
  v_ak_4 varchar(10), -- hazardous component 4: AK limit value (mg/m3)
  egyenivedoeszkoz text, -- personal protective equipment, formatted text
  intezkedes text, -- necessary measures, formatted text
  r_mondat varchar(250), -- R phrases (H statements in rows of years after 2016)
  s_mondat varchar(250), -- S phrases (P statements in rows of years after 2016)
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX fixdata_vegyianyag_nev_idx ON fixdata_vegyianyag (nev);
