-- fixdata_serult_test: ESAW code list of the 2013 accident form: injured part of body
-- Two-level tree: szulo "0" or "1" starts a top node ("1" is a group
-- that cannot be chosen), every other row hangs under the last top node. Ships empty.
CREATE TABLE fixdata_serult_test (
  fixdata_serult_test_kod serial PRIMARY KEY,  -- list order
  kod varchar(2),  -- code
  megnevezes varchar(150),  -- name
  szulo varchar(1),  -- "0" top node, "1" group node, else a child
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
