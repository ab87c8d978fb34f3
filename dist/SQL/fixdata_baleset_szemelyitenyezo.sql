-- fixdata_baleset_szemelyitenyezo: accident code list (earlier register): personal factors
-- Code list of the earlier accident register; its content columns are not defined yet,
-- so the table holds only its key and the audit stamps and ships empty.
CREATE TABLE fixdata_baleset_szemelyitenyezo (
  fixdata_baleset_szemelyitenyezo_kod serial PRIMARY KEY,
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
