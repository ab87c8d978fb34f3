-- vegyianyag_kockazat: chemical risk estimates (kockázatbecslés) of a partner's site
CREATE TABLE vegyianyag_kockazat (
  vegyianyag_kockazat_kod serial PRIMARY KEY,
  vegyianyag_kockazat_pkod integer, -- partner (the window requires it)
  vegyianyag_kockazat_tkod integer, -- site of that partner (the window requires it)
  kelthely varchar(60), -- place of issue
  datum_keltido date, -- date of issue, list order
  vegezte varchar(60), -- occupational physician
  adatszolg varchar(60), -- who supplied the data
  vezeto varchar(60), -- the partner's manager
  vezetomegsz varchar(60), -- the manager's title
  munkavedelmis varchar(60), -- safety adviser who made the estimate
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX vegyianyag_kockazat_context_idx ON vegyianyag_kockazat (vegyianyag_kockazat_pkod, vegyianyag_kockazat_tkod);
