-- hulladek_anyag: movements of a waste: generated and shipped quantities with the consignment note
-- The foreign key makes the server refuse to delete a waste that still has movements;
-- the waste register reports that refusal with the table name taken from the server's message.
CREATE TABLE hulladek_anyag (
  hulladek_anyag_kod serial PRIMARY KEY,
  hulladek_anyag_hkod integer REFERENCES hulladek (hulladek_kod),  -- the waste
  szallitolev varchar(10),  -- consignment note
  datum_kelt date,  -- date
  kelmennyiseg varchar(20),  -- generated quantity, as text
  kismennyiseg varchar(20),  -- shipped quantity, as text
  gongyolitett varchar(20),  -- cumulative stock, as text
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX hulladek_anyag_hkod_idx ON hulladek_anyag (hulladek_anyag_hkod);
