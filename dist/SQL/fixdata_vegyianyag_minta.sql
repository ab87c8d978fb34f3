-- fixdata_vegyianyag_minta: shared chemical templates (CLP data sheets: H/P statements, GHS pictograms, components, protection)
CREATE TABLE fixdata_vegyianyag_minta (
  fixdata_vegyianyag_minta_kod serial PRIMARY KEY,
  nev varchar(200), -- substance name
  gyarto varchar(100), -- manufacturer or distributor
  halmazallapot varchar(20), -- physical state
  h_mondat varchar(255), -- H statements
  p_mondat varchar(255), -- P statements
  veszely varchar(255), -- pictogram codes (GHS01 ...)
  veszely_jelleg varchar(255), -- hazard classes
  cimkezes_1 boolean, -- label pictogram explosive (GHS01)
  cimkezes_2 boolean, -- label pictogram flammable (GHS02)
  cimkezes_3 boolean, -- label pictogram oxidising (GHS03)
  cimkezes_4 boolean, -- label pictogram gas under pressure (GHS04)
  cimkezes_5 boolean, -- label pictogram corrosive (GHS05)
  cimkezes_6 boolean, -- label pictogram toxic (GHS06)
  cimkezes_7 boolean, -- label pictogram warning (GHS07)
  cimkezes_8 boolean, -- label pictogram health hazard (GHS08)
  cimkezes_9 boolean, -- label pictogram environmental hazard (GHS09)
  tuzosztaly varchar(30), -- fire-hazard class
  tevekenyseg_1 boolean, -- contact during transport
  tevekenyseg_2 boolean, -- contact during material handling
  tevekenyseg_3 boolean, -- contact during storage
  tevekenyseg_4 boolean, -- contact during use
  tevekenyseg_5 boolean, -- contact during storage of packaging
  tevekenyseg_6 boolean, -- contact during removal of packaging
  tevekenyseg_7 boolean, -- other hazard of contact
  v1_nev varchar(100), -- hazardous component 1: name
  v1_mennyiseg varchar(10), -- hazardous component 1: concentration (%)
  v1_ak varchar(10), -- hazardous component 1: AK limit value (mg/m3)
  v1_ck varchar(10), -- hazardous component 1: CK limit value (mg/m3)
  v1_mk varchar(10), -- hazardous component 1: MK limit value (mg/m3)
  v2_nev varchar(100), -- hazardous component 2: name
  v2_mennyiseg varchar(10), -- hazardous component 2: concentration (%)
  v2_ak varchar(10), -- hazardous component 2: AK limit value (mg/m3)
  v2_ck varchar(10), -- hazardous component 2: CK limit value (mg/m3)
  v2_mk varchar(10), -- hazardous component 2: MK limit value (mg/m3)
  v3_nev varchar(100), -- hazardous component 3: name
  v3_mennyiseg varchar(10), -- hazardous component 3: concentration (%)
  v3_ak varchar(10), -- hazardous component 3: AK limit value (mg/m3)
  v3_ck varchar(10), -- hazardous component 3: CK limit value (mg/m3)
  v3_mk varchar(10), -- hazardous component 3: MK limit value (mg/m3)
  v4_nev varchar(100), -- hazardous component 4: name
  v4_mennyiseg varchar(10), -- hazardous component 4: concentration (%)
  v4_ak varchar(10), -- hazardous component 4: AK limit value (mg/m3)
  v4_ck varchar(10), -- hazardous component 4: CK limit value (mg/m3)
  v4_mk varchar(10), -- hazardous component 4: MK limit value (mg/m3)
  tulajdonsag text, -- characteristic properties
  ev_szem text, -- protective equipment: eyes
  ev_legzes text, -- protective equipment: respiratory
  ev_kez text, -- protective equipment: hands
  ev_lab text, -- protective equipment: feet
  ev_test text, -- protective equipment: body
  int_szem text, -- measures: eye contact
  int_legzes text, -- measures: inhalation
  int_nyeles text, -- measures: swallowing
  int_bor text, -- measures: skin contact
  int_munka text, -- measures: during work
  int_tarol text, -- measures: storage
  kockazat_szov varchar(255), -- one-line risk text (not shown by the windows)
  kockazat_fix text, -- risk in words
  erintkezes_szov varchar(255), -- one-line contact text (not shown by the windows)
  erintkezes_fix text, -- how the substance enters or contacts the body
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX fixdata_vegyianyag_minta_nev_idx ON fixdata_vegyianyag_minta (nev);
