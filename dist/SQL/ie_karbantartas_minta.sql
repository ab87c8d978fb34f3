-- ie_karbantartas_minta: staging table of the workbook import of maintenance templates
-- Same columns as karbantartas_minta; the key carries the prefix ie_ and holds the exported values.
CREATE TABLE ie_karbantartas_minta (
  ie_karbantartas_minta_kod serial PRIMARY KEY,  -- key of the exported row
  nev varchar(100),  -- name of the template
  masol varchar(1),  -- import mark, "1" import, "0" skip
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
