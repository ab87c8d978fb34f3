-- fixdata_kistersegikodok: accident code list: small-region (kistérség) codes
-- Code list of the accident forms; its content columns are not defined yet,
-- so the table holds only its key and the audit stamps and ships empty.
CREATE TABLE fixdata_kistersegikodok (
  fixdata_kistersegikodok_kod serial PRIMARY KEY,
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
