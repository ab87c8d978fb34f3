-- gep_utemterv: inspection schedule work table: one row per scheduled machine, rebuilt on every run
CREATE TABLE gep_utemterv (
  gep_utemterv_kod serial PRIMARY KEY,  -- sequence restarted at 1 on every rebuild
  gep_utemterv_pkod integer,  -- partner
  gep_utemterv_tkod integer,  -- site
  gepnev varchar(80),  -- machine name, with " - Hiányzó üzembehelyezés!" when not commissioned
  tipus varchar(30),  -- machine type
  gyartasiszam varchar(40),  -- serial number
  gyarttasev varchar(4),  -- year of manufacture
  leltariszam varchar(40),  -- inventory number
  telepiteshelye varchar(80),  -- place of installation
  teherbiras varchar(10),  -- rated load
  uzmcsop varchar(1)  -- operating group
);
CREATE INDEX gep_utemterv_context_idx ON gep_utemterv (gep_utemterv_pkod, gep_utemterv_tkod);
