-- baleset2013: work accidents (munkabaleset) of the employees of a partner site, in the structure of the 2013 accident report
-- The employer's, the site's and the injured employee's data are copies taken at entry,
-- so the accident keeps its reported data after the master rows change or disappear;
-- for that reason baleset2013_dkod has no foreign key to dolgozo.
CREATE TABLE baleset2013 (
  baleset2013_kod serial PRIMARY KEY,
  baleset2013_pkod integer,  -- partner (partner_kod) of the working context
  baleset2013_tkod integer,  -- site (telephely_kod) of the working context
  baleset2013_dkod integer,  -- the injured employee (dolgozo_kod)
  -- registration
  nyilvantartas varchar(20),  -- registration number
  teruletikod varchar(30),  -- county code, "01 - Budapest (főváros)" ...
  adatszjelleg varchar(40),  -- nature of the data supply: "1 - Új" ... "4 - Munkaképtelen napok számát közlő"
  kelthelyszin varchar(60),  -- place where the report is dated
  datum_kelt date,  -- date of the new report
  datum_mod date,  -- date of the modifying report
  datum_torol date,  -- date of the deletion
  datum_napok date,  -- date of the report of incapacity days
  -- [A] employer and site, copied from partner and telephely
  pnev varchar(80),
  pisz varchar(4),
  ptelepules varchar(60),
  pcim varchar(80),
  ptelefon varchar(60),
  pfax varchar(60),
  pmobil varchar(20),
  pemail varchar(100),
  pvezeto varchar(60),  -- head of the employer
  pvezmegsz varchar(60),  -- title of the head of the employer
  pksh varchar(20),  -- statistical number
  pteaor varchar(4),  -- main activity code
  pletszamkategoria varchar(1),  -- headcount category
  padoszam varchar(20),  -- tax number
  padoszkozos varchar(10),  -- community tax number
  padoazjel varchar(10),  -- tax identification mark
  tnev varchar(80),
  tisz varchar(4),
  ttelepules varchar(60),
  tcim varchar(80),
  ttelefon varchar(60),
  tfax varchar(60),
  tmobil varchar(20),
  tteaor varchar(4),
  tletszamkategoria varchar(1),
  porvos_nev varchar(60),  -- occupational physician of the site
  porvos_pecsetszam varchar(20),  -- stamp number of the physician
  pmegye varchar(50),  -- county of the employer's seat
  -- [B] injured employee, copied from dolgozo
  dnev varchar(50),
  dszuletesinev varchar(50),  -- birth name
  danyjaneve varchar(50),  -- mother's name
  dszuletes_hely varchar(60),
  ddatum_szuletes date,
  disz varchar(4),
  dtelepules varchar(60),
  dcim varchar(80),
  dhsz varchar(3),
  depulet varchar(3),
  dlh varchar(3),
  demelet varchar(3),
  dajto varchar(3),
  dtelefon varchar(60),
  dneme varchar(10),  -- sex
  dtaj varchar(20),  -- social security number
  ddatum_orvvdat date,  -- last medical examination
  ddatum_moktdat date,  -- last safety training
  dallampolgar varchar(50),  -- citizenship
  dfoglaljell varchar(30),  -- nature of employment
  dfoglaljell2017 varchar(250),  -- nature of employment, 2017 list
  dfogvisztart varchar(60),  -- duration of the employment relation
  dmunkaidomert varchar(20),  -- extent of working time
  deletkor varchar(2),  -- age, computed at entry
  dalkalmazotti varchar(3),  -- employment code, computed
  dfeor varchar(20),  -- FEOR code of the job
  dbeosztas varchar(40),  -- job title
  dmunkaev varchar(2),  -- experience in the job, years
  dmunkaho varchar(2),  -- experience in the job, months
  demail varchar(60),
  dlevelisz varchar(4),  -- mailing address
  dleveltelepules varchar(60),
  dlevelcim varchar(80),
  dkezdora varchar(2),
  dkezdperc varchar(2),
  dvegeora varchar(2),
  dvegeperc varchar(2),
  -- [C] the accident
  datum_baleset date,  -- date of the accident
  ido24 varchar(2),  -- hour of the day, 24-hour
  idomunkaora varchar(2),  -- hour of work in which it happened
  idohet varchar(1),  -- day of the week, Sunday = 0 ... Saturday = 6
  serulttest varchar(60),  -- injured part of body
  serulestipus varchar(150),  -- type of injury
  serulessulya varchar(150),  -- severity, "0 - 1-3 napos munkakiesés" ...
  kistersegikod varchar(5),  -- geographic code of the place
  munkvhelye varchar(30),  -- place of work
  munkakeptelenido varchar(60),  -- duration of incapacity
  hat_baleset_kov varchar(100),  -- consequence of the accident
  -- further data
  helyszine varchar(60),  -- exact location of the injury
  isz varchar(4),  -- address of the accident site
  telepules varchar(60),
  cim varchar(80),
  bmegye varchar(50),  -- county of the accident site
  intezkedes varchar(100),  -- care given to the injured
  munkakepnap integer,  -- working days lost
  eido integer,  -- days lost in previous months
  tido integer,  -- days lost in the subject month
  datum_kkkezd date,  -- start of incapacity
  datum_kkveg date,  -- end of incapacity
  munkafolyt boolean,  -- the injured continued working
  mitfolyt varchar(100),  -- how the work was continued
  bejenev varchar(60),  -- person making the entry
  bejebeosztas varchar(60),
  minositese varchar(20),  -- classification, "1 - Munkabaleset" ...
  mikor varchar(60),  -- when it happened
  utimbtip varchar(60),  -- type of a road accident
  uti_jarmu varchar(50),  -- vehicle
  uti_jarmuegyeb varchar(60),  -- other vehicle
  halal_ert varchar(60),  -- whom to notify in case of death
  nyilatkozat varchar(30),  -- declaration on a damage claim
  datum_nyilatkozat date,
  fogeg_orv_nyilat varchar(20),  -- gravity for the physician's declaration
  porvos_datum date,  -- physician closed the investigation
  -- notice
  bbej_datum date,  -- date of the notice
  bindok varchar(250),  -- reason
  bkifejtes text,  -- explanation of the reason
  bfogisz varchar(4),  -- place of work for an occupational disease or exposure
  bfogtelepules varchar(60),
  bfogcim varchar(80),
  bfog_munkakor varchar(60),
  bfog_datum date,
  -- road accident
  uti_mnev varchar(50),  -- another person who caused the accident
  uti_misz varchar(4),
  uti_mtelepules varchar(60),
  uti_mcim varchar(80),
  uti_mhsz varchar(3),
  uti_mtelefon varchar(60),
  uti_tnev varchar(50),  -- owner of the vehicle and its seat
  uti_tisz varchar(4),
  uti_ttelepules varchar(60),
  uti_tcim varchar(80),
  uti_thsz varchar(3),
  uti_lisz varchar(4),  -- the owner's home address
  uti_ltelepules varchar(60),
  uti_lcim varchar(80),
  uti_lhsz varchar(3),
  uti_ltelefon varchar(60),
  uti_lnev varchar(50),
  uti_lrendszam varchar(10),
  uti_balesethelyszine varchar(60),  -- scene: "1 - közút" ...
  uti_balesethelyszine_egyeb varchar(100),
  -- investigation and statements
  i_vvneve varchar(50),  -- investigator
  i_vvoklevel varchar(50),  -- investigator's document number
  i_vvdatum date,
  i_mkvneve varchar(50),  -- workers' safety representative
  i_mvkvelemenye varchar(20),  -- representative's opinion
  i_mkvdatum date,
  i_mkkneve varchar(50),  -- employer's representative
  i_mkkbeosztas varchar(50),
  i_mkkdatum date,
  serultvallomas text,  -- statement of the injured
  tanunev1 varchar(60),  -- witness 1
  tanuan1 varchar(60),
  tanu_szulhely1 varchar(60),
  tanu_datum_szul1 date,
  tanuisz1 varchar(4),
  tanutelepules1 varchar(60),
  tanucim1 varchar(100),
  tanuvallomas1 text,
  tanunev2 varchar(60),  -- witness 2
  tanuan2 varchar(60),
  tanu_szulhely2 varchar(60),
  tanu_datum_szul2 date,
  tanuisz2 varchar(4),
  tanutelepules2 varchar(60),
  tanucim2 varchar(100),
  tanuvallomas2 text,
  tanunev3 varchar(60),  -- witness 3
  tanuan3 varchar(60),
  tanu_szulhely3 varchar(60),
  tanu_datum_szul3 date,
  tanuisz3 varchar(4),
  tanutelepules3 varchar(60),
  tanucim3 varchar(100),
  tanuvallomas3 text,
  tanu_targy text,  -- subject of the hearing
  tanu_jelenvan text,  -- persons present
  -- descriptions: short form printed in the box, unlimited continuation
  d_leiras text,  -- [D] detailed description
  d_leiras_folyt text,
  f_ok text,  -- [F] causes
  f_okfolyt text,
  g_intezked text,  -- [G] employer's measures
  g_intezkedfolyt text,
  h_mellek text,  -- [H] annexes and remarks
  h_mellekfolyt text,
  -- [E] other information, coded
  e1_munkakornyezet varchar(100),  -- working environment
  e1_munkakornyezet_kod varchar(5),
  e1_munkafolyamat varchar(100),  -- working process
  e1_munkafolyamat_kod varchar(5),
  e1_serultfiztev varchar(100),  -- specific physical activity
  e1_serultfiztev_kod varchar(5),
  e1_serultmunkeszk varchar(100),  -- material agent of the activity
  e1_serultmunkeszk_kod varchar(10),
  e1_esemeny varchar(100),  -- deviation
  e1_esemeny_kod varchar(5),
  e1_esemenyanyag varchar(100),  -- material agent of the deviation
  e1_esemenyanyag_kod varchar(10),
  e1_erintmod varchar(100),  -- contact, mode of injury
  e1_erintmod_kod varchar(5),
  e1_erintanyag varchar(100),  -- material agent of the contact
  e1_erintanyag_kod varchar(10),
  e7_vedoburkolat varchar(60),  -- suitability of the guard
  e7_vedober varchar(60),  -- of the protective device
  e7_jelzober varchar(60),  -- of the warning device
  e7_egyenived varchar(60),  -- of the personal protective equipment
  e7_egyeb varchar(60),  -- of other protection
  e7_serult varchar(100),  -- personal factor of the injured
  e7_mas varchar(100),  -- personal factor of another person
  -- notification and employer's decision
  hat_kelt varchar(60),  -- place of the decision
  hat_datum_kelt date,
  hat_mk_ora varchar(2),  -- working time start, hour
  hat_mk_perc varchar(2),
  hat_mb_ora varchar(2),  -- working time end, hour
  hat_mb_perc varchar(2),
  hat_esemeny varchar(60),  -- during what it happened
  hat_alkohol varchar(60),
  hat_egeszseg varchar(30),  -- health damage from the accident
  hat_elismeri boolean,  -- the employer recognises it as an accident at work
  hat_megye varchar(50),  -- government office addressed
  hat_kormh_cim varchar(100),
  hat_kormh_level varchar(150),
  hat_bizonyitek text,  -- evidence and remarks
  -- immediate notice of a serious accident
  be_iktatoszam varchar(30),
  be_ugyintezo varchar(80),
  be_ugyintezo_telefon varchar(60),
  balesetmert varchar(150),  -- severity, items 3 to 8 of the severity list
  be_bejelentoneve varchar(80),
  be_bejelentocime varchar(120),
  be_datum_bejelentes date,
  be_bejelentesora varchar(2),
  be_bejelentesperc varchar(2),
  be_balesetora varchar(2),
  be_balesetperc varchar(2),
  be_balesetleiras text,
  be_intezkedes varchar(250),
  -- kept, not edited by the accident window
  megjegyzes varchar(250),  -- remark, printed in the annual summary
  nyilvantartdatum date,
  be_alairas text,
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX baleset2013_context_idx ON baleset2013 (baleset2013_pkod, baleset2013_tkod);
CREATE INDEX baleset2013_dkod_idx ON baleset2013 (baleset2013_dkod);
CREATE INDEX baleset2013_datum_baleset_idx ON baleset2013 (datum_baleset, dnev);
