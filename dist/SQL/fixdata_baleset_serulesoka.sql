-- fixdata_baleset_serulesoka: accident code list (earlier register): causes of injury
-- Code list of the earlier accident register; its content columns are not defined yet,
-- so the table holds only its key and the audit stamps and ships empty.
CREATE TABLE fixdata_baleset_serulesoka (
  fixdata_baleset_serulesoka_kod serial PRIMARY KEY,
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
