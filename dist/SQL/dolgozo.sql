-- dolgozo: employees of a partner's site with personal data, body measurements and employment codes
CREATE TABLE dolgozo (
  dolgozo_kod serial PRIMARY KEY,
  dolgozo_pkod integer,  -- partner (partner.partner_kod)
  dolgozo_tkod integer,  -- site (telephely.telephely_kod)
  nev varchar(50),  -- name
  szuletesinev varchar(50),  -- birth name
  anyjaneve varchar(50),  -- mother's name
  szuletes_hely varchar(60),  -- place of birth
  datum_szuletes date,  -- date of birth
  neme varchar(10),  -- sex: "Férfi", "Nő" or "Ismeretlen"
  isz varchar(4),  -- home address: postal code
  telepules varchar(60),  -- home address: town
  cim varchar(80),  -- home address: street
  hsz varchar(3),  -- house number
  epulet varchar(3),  -- building
  lh varchar(3),  -- staircase
  emelet varchar(3),  -- floor
  ajto varchar(3),  -- door
  telefon varchar(60),  -- telephone
  testmag varchar(10),  -- body height
  testfej varchar(10),  -- head size
  testlab varchar(10),  -- foot size
  testmell varchar(10),  -- chest
  testderek varchar(10),  -- waist
  testcsipo varchar(10),  -- hip
  datum_belepdat date,  -- date of joining
  datum_kilepdat date,  -- date of leaving
  statusz varchar(10),  -- "Munkában" or "Kilépett"
  taj varchar(20),  -- social security number (TAJ)
  datum_orvvdat date,  -- last occupational medical examination
  orvvism varchar(3),  -- its repetition period
  datum_moktdat date,  -- last safety training
  moktism varchar(3),  -- its repetition period
  feosztaly varchar(1),  -- occupational-health class A, B, C or D
  adoszam varchar(20),  -- tax identification number
  allampolgar varchar(50),  -- citizenship, whole code item text
  foglaljell varchar(30),  -- nature of employment, whole code item text
  fogvisztart varchar(60),  -- employment relation by duration, whole code item text
  munkaidomert varchar(20),  -- working time, whole code item text
  foglaljell2017 varchar(250),  -- legal form of the employment relation, item text with its trailing tab
  szemigszam varchar(40),  -- identity card number
  vezengszam varchar(40),  -- driving licence number
  utlevel varchar(30),  -- passport number
  hajo_szkonyvsz varchar(30),  -- seaman's book number
  masol boolean,  -- flag kept with the row
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX dolgozo_context_idx ON dolgozo (dolgozo_pkod, dolgozo_tkod);
CREATE INDEX dolgozo_nev_idx ON dolgozo (nev);
