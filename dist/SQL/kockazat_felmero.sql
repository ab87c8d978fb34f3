-- kockazat_felmero: occupational-health surveys of one technology at a partner's site (foglalkozás-egészségügyi felmérés)
CREATE TABLE kockazat_felmero (
  kockazat_felmero_kod serial PRIMARY KEY,
  kockazat_felmero_pkod integer, -- partner
  kockazat_felmero_tkod integer, -- site
  nev varchar(80), -- who made the evaluation
  technologia varchar(200), -- technology name, list order
  datum_kelt date, -- date of issue
  tev_nev varchar(200), -- activity description
  tev_fno integer, -- physical jobs: women
  tev_fferfi integer, -- physical jobs: men
  tev_ffiatal integer, -- physical jobs: young workers
  tev_sno integer, -- intellectual jobs: women
  tev_sferfi integer, -- intellectual jobs: men
  tev_sfiatal integer, -- intellectual jobs: young workers
  tev_kezmosas varchar(50), -- hand-washing facility
  tev_oltozo varchar(50), -- changing facility
  tev_futes varchar(50), -- heating
  tev_vilagitas varchar(50), -- artificial lighting
  tev_vmeres varchar(50), -- lighting measurement
  tev_mszellozes varchar(50), -- artificial ventilation
  tev_tszellozes varchar(50), -- natural ventilation
  tev_munkaido varchar(10), -- working time
  tev_muszak varchar(10), -- number of shifts
  tev_gepek text, -- machines used, one per line
  mk_allo varchar(2), -- share of working time standing, percent
  mk_jaro varchar(2), -- walking, percent
  mk_terdelo varchar(2), -- kneeling, percent
  mk_ulo varchar(2), -- sitting, percent
  mk_egyeb varchar(2), -- other, percent
  mk_kenyszertest boolean, -- work in a forced posture
  mk_ismetlodo boolean, -- one-sided repetitive movement
  mk_pszicho boolean, -- psychological strain
  mk_infterh boolean, -- increased information load
  mk_jellemzes varchar(200), -- work environment
  mk_idotartam varchar(6), -- daily duration of forced posture
  kli_meres boolean, -- climate measurement available
  kli_effektiv varchar(10), -- effective temperature
  kli_korrigalt varchar(10), -- corrected effective temperature
  kli_kulso varchar(10), -- outside air temperature at the measurement
  kli_napi varchar(10), -- daily duration of climate load
  kli_munkakli varchar(50), -- working climate
  veg_expozicio varchar(20), -- chemical exposure: nincs, előfordulhat, van
  veg_jelentes boolean, -- hazardous substance or activity reported
  veg_kno integer, -- chemical, indirectly exposed: women
  veg_kferfi integer, -- chemical, indirectly exposed: men
  veg_kfiatal integer, -- chemical, indirectly exposed: young workers
  veg_klno integer, -- chemical, directly exposed: women
  veg_klferfi integer, -- chemical, directly exposed: men
  veg_klfiatal integer, -- chemical, directly exposed: young workers
  veg_raktar varchar(50), -- storage of chemicals
  veg_szallitas varchar(50), -- transport of chemicals on the site
  veg_legter varchar(20), -- air measurement available
  veg_munkaido varchar(10), -- working time in chemical exposure
  bio_expozicio boolean, -- biological exposure
  bio_lehetoseg varchar(20), -- frequency: előfordulnak, lehetnek
  bio_tipus varchar(20), -- agent type
  bio_kno integer, -- biological, indirectly exposed: women
  bio_kferfi integer, -- biological, indirectly exposed: men
  bio_kfiatal integer, -- biological, indirectly exposed: young workers
  bio_klno integer, -- biological, directly exposed: women
  bio_klferfi integer, -- biological, directly exposed: men
  bio_klfiatal integer, -- biological, directly exposed: young workers
  bio_munkaido varchar(10), -- working time in biological exposure
  por_expozicio boolean, -- dust exposure possible
  por_mert varchar(20), -- measured result available
  por_munkaido varchar(10), -- working time in dust exposure
  bio_muszak varchar(10), -- biological exposure: number of shifts
  por_kno integer, -- dust, indirectly exposed: women
  por_kferfi integer, -- dust, indirectly exposed: men
  por_kfiatal integer, -- dust, indirectly exposed: young workers
  por_klno integer, -- dust, directly exposed: women
  por_klferfi integer, -- dust, directly exposed: men
  por_klfiatal integer, -- dust, directly exposed: young workers
  zaj_expozicio boolean, -- noise exposure possible
  zaj_mert varchar(20), -- measured result available
  zaj_munkaido varchar(10), -- working time in noise exposure
  zaj_kno integer, -- noise, indirectly exposed: women
  zaj_kferfi integer, -- noise, indirectly exposed: men
  zaj_kfiatal integer, -- noise, indirectly exposed: young workers
  zaj_klno integer, -- noise, directly exposed: women
  zaj_klferfi integer, -- noise, directly exposed: men
  zaj_klfiatal integer, -- noise, directly exposed: young workers
  vib_expozicio boolean, -- vibration exposure possible
  vib_mert varchar(20), -- measured result available
  vib_munkaido varchar(10), -- working time in vibration exposure
  vib_kno integer, -- vibration, indirectly exposed: women
  vib_kferfi integer, -- vibration, indirectly exposed: men
  vib_kfiatal integer, -- vibration, indirectly exposed: young workers
  vib_klno integer, -- vibration, directly exposed: women
  vib_klferfi integer, -- vibration, directly exposed: men
  vib_klfiatal integer, -- vibration, directly exposed: young workers
  sug_expozicio boolean, -- harm caused by radiation
  sug_tipus varchar(50), -- radiation type as text (not used by the window)
  sug_mert varchar(20), -- measured result available
  sug_munkaido varchar(10), -- working time in radiation exposure
  sug_e_kno integer, -- radiation, indirectly exposed: women
  sug_e_kferfi integer, -- radiation, indirectly exposed: men
  sug_e_kfiatal integer, -- radiation, indirectly exposed: young workers
  sug_e_klno integer, -- radiation, directly exposed: women
  sug_e_klferfi integer, -- radiation, directly exposed: men
  sug_e_klfiatal integer, -- radiation, directly exposed: young workers
  sug_k_kno integer, -- combined exposure, indirectly exposed: women
  sug_k_kferfi integer, -- combined exposure, indirectly exposed: men
  sug_k_kfiatal integer, -- combined exposure, indirectly exposed: young workers
  sug_k_klno integer, -- combined exposure, directly exposed: women
  sug_k_klferfi integer, -- combined exposure, directly exposed: men
  sug_k_klfiatal integer, -- combined exposure, directly exposed: young workers
  eve_fej varchar(200), -- protective equipment as text, kept from older versions (head)
  eve_arc varchar(200), -- face
  eve_szem varchar(200), -- eyes
  eve_legzes varchar(200), -- respiratory
  eve_hallas varchar(200), -- hearing
  eve_test varchar(200), -- body
  eve_etest varchar(200), -- whole body
  eve_kez varchar(200), -- hands
  eve_lab varchar(200), -- feet
  eve_egyeb varchar(200), -- other
  tabla varchar(56), -- evaluation sheet: 9 x 6 likelihood digits, row by row
  vib_fajta varchar(20), -- kind of vibration: kéz, kar / egésztest
  bio_gomba boolean, -- fungi
  bio_parazita boolean, -- parasites
  bio_virus boolean, -- viruses
  bio_bakterium boolean, -- bacteria
  sug_ir boolean, -- infrared
  sug_uv boolean, -- ultraviolet
  sug_xray boolean, -- X-ray
  sug_elektromos boolean, -- electromagnetic
  psz_pszicho boolean, -- psychosocial risk present
  psz_kno integer, -- psychosocial, indirectly exposed: women
  psz_kferfi integer, -- psychosocial, indirectly exposed: men
  psz_kfiatal integer, -- psychosocial, indirectly exposed: young workers
  psz_kidos integer, -- psychosocial, indirectly exposed: elderly
  psz_klno integer, -- psychosocial, directly exposed: women
  psz_klferfi integer, -- psychosocial, directly exposed: men
  psz_klfiatal integer, -- psychosocial, directly exposed: young workers
  psz_klidos integer, -- psychosocial, directly exposed: elderly
  adatszolgaltato varchar(80), -- who supplied the data
  por_azbeszt boolean, -- asbestos
  por_ugyapot boolean, -- glass wool
  por_tudofibr boolean, -- dusts causing pulmonary fibrosis
  por_egyeb boolean, -- other dust factor
  por_k_egyeb varchar(250), -- the other dust factor as text
  veg_novenyv varchar(250), -- plant-protection agents as text
  veg_k_arzen boolean, -- arsenic and its compounds
  veg_k_benzol boolean, -- benzene
  veg_k_benzola boolean, -- amino compounds of benzene
  veg_k_benzoln boolean, -- nitro compounds of benzene
  veg_k_dimetil boolean, -- dimethylformamide
  veg_k_dioxan boolean, -- dioxane
  veg_k_etilen boolean, -- ethylene dichloride
  veg_k_etileno boolean, -- ethylene oxide
  veg_k_higany boolean, -- mercury and its compounds
  veg_k_mangan boolean, -- manganese
  veg_k_kadmium boolean, -- cadmium and its compounds
  veg_k_krom boolean, -- chromium and its compounds
  veg_k_metilb boolean, -- methyl bromide
  veg_k_metilk boolean, -- methyl chloride
  veg_k_kriolit boolean, -- sodium aluminium fluoride (cryolite)
  veg_k_nikkel boolean, -- nickel
  veg_k_nitrogen boolean, -- nitrous oxide
  veg_k_olom boolean, -- lead and its compounds
  veg_k_szelen boolean, -- selenium
  veg_k_szenken boolean, -- carbon disulphide
  veg_k_szentet boolean, -- carbon tetrachloride
  veg_k_sztirol boolean, -- styrene
  veg_k_tetrak boolean, -- tetrachloroethane
  veg_k_toluol boolean, -- toluene
  veg_k_triklor boolean, -- trichloroethylene
  veg_k_trotyl boolean, -- trinitrotoluene
  veg_k_vanadium boolean, -- vanadium
  veg_k_vinilk boolean, -- vinyl chloride
  veg_k_noveny boolean, -- plant-protection agents
  ertekeles text, -- free-text evaluation
  jeloles boolean, -- included in the risk evaluation currently selected
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX kockazat_felmero_context_idx ON kockazat_felmero (kockazat_felmero_pkod, kockazat_felmero_tkod);
