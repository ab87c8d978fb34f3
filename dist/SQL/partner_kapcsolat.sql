-- partner_kapcsolat: contact persons of a partner
CREATE TABLE partner_kapcsolat (
  partner_kapcsolat_kod serial PRIMARY KEY,
  partner_kapcsolat_pkod integer REFERENCES partner (partner_kod),  -- owning partner; contacts are deleted before the partner
  nev varchar(80),  -- name
  isz varchar(4),  -- postal code
  telepules varchar(60),  -- town
  cim varchar(80),  -- street address
  telefon varchar(80),  -- telephone
  fax varchar(80),  -- fax
  beosztas varchar(60),  -- position
  email varchar(60),  -- e-mail
  megjegyzes text,  -- remark
  kfelelos boolean,  -- responsible person named in the risk evaluation
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX partner_kapcsolat_pkod_idx ON partner_kapcsolat (partner_kapcsolat_pkod);
