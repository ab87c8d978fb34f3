-- partner: client companies served by the consultancy
CREATE TABLE partner (
  partner_kod serial PRIMARY KEY,
  nev varchar(80),  -- partner name
  isz varchar(4),  -- postal code
  telepules varchar(80),  -- town
  cim varchar(80),  -- street address
  email varchar(100),  -- e-mail
  telefon varchar(15),  -- telephone
  mobil varchar(15),  -- mobile
  fax varchar(15),  -- fax
  vezeto varchar(60),  -- manager's name
  vezetomegsz varchar(60),  -- how the manager is addressed in letters
  ksh varchar(25),  -- statistical number
  orvos_nev varchar(60),  -- occupational physician: name
  orvos_isz varchar(4),  -- occupational physician: postal code
  orvos_telepules varchar(80),  -- occupational physician: town
  orvos_cim varchar(80),  -- occupational physician: address
  orvos_pecsetszam varchar(20),  -- occupational physician: stamp number
  statusz varchar(10),  -- status
  besorolas varchar(20),  -- legal form (Kft., Zrt., BT. ...)
  letszamkategoria varchar(1),  -- head-count category: position of the chosen line, "0" to "6"
  teaor varchar(4),  -- main activity code (TEÁOR)
  szerzodeses boolean,  -- contracted partner
  feljegyzes text,  -- notes
  kuj varchar(15),  -- environmental client code (KÜJ)
  ktj varchar(15),  -- environmental site code (KTJ)
  adoszam varchar(20),  -- tax number
  tevekenyseg varchar(80),  -- activity in words
  nyilvantartas_datum date,  -- date of registration
  check_kockazat varchar(15),  -- result of the risk-evaluation due check
  check_baleset varchar(1),  -- shown as column "Baleset"
  adoszkozos varchar(15),  -- community tax number
  adoazonjel varchar(15),  -- tax identification number
  tb_kifizeto boolean,  -- social-security paying office
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX partner_nev_idx ON partner (nev);
