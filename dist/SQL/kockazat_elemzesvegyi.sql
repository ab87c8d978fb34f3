-- kockazat_elemzesvegyi: hazardous chemical substances listed in a risk analysis
CREATE TABLE kockazat_elemzesvegyi (
  kockazat_elemzesvegyi_kod serial PRIMARY KEY,
  kockazat_elemzesvegyi_tkod integer REFERENCES kockazat_elemzes (kockazat_elemzes_kod),  -- owning analysis
  nev varchar(120),  -- name per safety data sheet
  cas varchar(120),  -- CAS number
  eu varchar(120),  -- EU number
  jel varchar(120),  -- hazard symbols, comma separated
  rmondat varchar(120),  -- R phrases (H statements from 2017 on)
  smondat varchar(120),  -- S phrases (P statements from 2017 on)
  mennyiseg varchar(20),  -- estimated yearly quantity
  dolgozoszam varchar(10),  -- number of exposed employees
  veszely_jelleg varchar(100),  -- nature of the hazard
  gyarto varchar(80),  -- manufacturer or distributor
  halmazallapot varchar(20),  -- physical form
  tuzosztaly varchar(80),  -- fire-hazard class
  kockazat varchar(250),  -- the risk in words
  erintkezes varchar(250),  -- how it enters the body
  tevekenyseg1 varchar(30),  -- activities during which the employee meets the substance
  tevekenyseg2 varchar(30),
  tevekenyseg3 varchar(30),
  tevekenyseg4 varchar(30),
  tevekenyseg5 varchar(30),
  tevekenyseg6 varchar(30),
  tevekenyseg7 varchar(30),
  v_nev_1 varchar(30),  -- hazardous components
  v_nev_2 varchar(30),
  v_nev_3 varchar(30),
  v_nev_4 varchar(30),
  v_mennyiseg_1 varchar(10),  -- concentration of the components (%)
  v_mennyiseg_2 varchar(10),
  v_mennyiseg_3 varchar(10),
  v_mennyiseg_4 varchar(10),
  v_ak_1 varchar(10),  -- exposure limit of the components (mg/m3)
  v_ak_2 varchar(10),
  v_ak_3 varchar(10),
  v_ak_4 varchar(10),
  egyenivedoeszkoz text,  -- personal protective equipment
  intezkedes text,  -- necessary measures
  expozicios_ido varchar(40),  -- exposure time
  valoszinuseg varchar(100),  -- chemical risk estimate
  kovetkezmeny varchar(40),  -- expected consequence
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX kockazat_elemzesvegyi_tkod_idx ON kockazat_elemzesvegyi (kockazat_elemzesvegyi_tkod);
