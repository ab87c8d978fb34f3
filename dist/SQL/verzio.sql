-- verzio: upgrade scripts already applied to this database
CREATE TABLE verzio (
  verzio_kod serial PRIMARY KEY,
  "update" varchar(30)  -- file name of the upgrade script as listed in Update.ini
);
