-- telephely: sites of a partner; the site with the lowest key is the partner's seat (székhely)
CREATE TABLE telephely (
  telephely_kod serial PRIMARY KEY,
  telephely_pkod integer REFERENCES partner (partner_kod),  -- owning partner; a partner's sites are deleted before the partner
  nev varchar(80),  -- site name
  isz varchar(4),  -- postal code
  telepules varchar(80),  -- town
  cim varchar(80),  -- street address
  telefon varchar(15),  -- telephone
  fax varchar(15),  -- fax
  statusz varchar(10),  -- status
  email varchar(100),  -- e-mail
  kapcsolat varchar(80),  -- contact person
  orvos_nev varchar(60),  -- occupational physician of the site: name
  orvos_isz varchar(4),  -- occupational physician: postal code
  orvos_telepules varchar(80),  -- occupational physician: town
  orvos_cim varchar(80),  -- occupational physician: address
  orvos_pecsetszam varchar(20),  -- occupational physician: stamp number
  ktj varchar(15),  -- environmental site code (KTJ)
  feljegyzes text,  -- site notes
  ellenorzes boolean,  -- the site is left out of the risk-evaluation due check
  teaor varchar(4),  -- local activity code (TEÁOR)
  letszamkategoria varchar(1),  -- head-count category, as for partners
  datum_moktdat date,  -- date of the last occupational-safety training
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX telephely_pkod_idx ON telephely (telephely_pkod);
