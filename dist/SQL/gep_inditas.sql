-- gep_inditas: restart orders (újraindítás elrendelése) of the machines of a site
-- The machine key is a foreign key: the server refuses to delete a machine that
-- still has restart orders.
CREATE TABLE gep_inditas (
  gep_inditas_kod serial PRIMARY KEY,  -- register number of the order
  gep_inditas_pkod integer,  -- partner (working context)
  gep_inditas_tkod integer,  -- site (working context)
  gep_inditas_gkod integer,  -- machine (gep_munkaeszkoz_kod)
  gepnev varchar(60),  -- machine name, copied
  gyartszam varchar(40),  -- serial number, copied
  leltsz varchar(40),  -- inventory number, copied
  tisz varchar(4),  -- site postal code, copied
  ttelepules varchar(80),  -- site town, copied
  tcim varchar(80),  -- site street address, copied
  tuzved varchar(30),  -- fire-protection class
  kapjak_uzemelteto boolean,  -- recipient: responsible operator
  kapjak_karbantarto boolean,  -- recipient: responsible maintainer
  kapjak_munkavedelmi boolean,  -- recipient: safety manager
  kapjak_tuzvedelmi boolean,  -- recipient: fire-safety manager
  kapjak_mkepviselo boolean,  -- recipient: safety representative
  kapjak_elrendelo boolean,  -- recipient: person issuing the order
  kapjak_uzemelteto_s varchar(80),  -- name of the responsible operator
  kapjak_karbantarto_s varchar(80),  -- name of the responsible maintainer
  kapjak_munkavedelmi_s varchar(80),  -- name of the safety manager
  kapjak_tuzvedelmi_s varchar(80),  -- name of the fire-safety manager
  kapjak_mkepviselo_s varchar(80),  -- name of the safety representative
  kapjak_elrendelo_s varchar(80),  -- name of the person issuing the order
  datum_beszerzes date,  -- date of purchase
  kelthely varchar(60),  -- place of issue
  datum_keltido date,  -- date of issue
  megjegyzes text,  -- remarks
  doksi_tervezoi boolean,  -- document present: designer's safety statement
  doksi_kivitelezoi boolean,  -- document present: contractor's safety statement
  doksi_uzemeltetesi boolean,  -- document present: operating documentation
  doksi_minosegi boolean,  -- document present: manufacturer's quality certificate
  doksi_megfelelosegi boolean,  -- document present: declaration of conformity
  doksi_hatosagi boolean,  -- document present: official permits
  doksi_erintesvedelmi boolean,  -- document present: touch-protection inspection protocol
  doksi_jegyzokonyv boolean,  -- document present: preliminary safety inspection protocol
  doksi_uzemeltetoi boolean,  -- document present: responsible operator's statement
  doksi_karbantartoi boolean,  -- document present: responsible maintainer's statement
  doksi_munkavedelmi boolean,  -- document present: safety manager's statement
  doksi_tuzvedelmi boolean,  -- document present: fire-safety manager's statement
  doksi_mkepviseloi boolean,  -- document present: safety committee/representative's statement
  doksi_tervezoi_j varchar(15),  -- verdict: "Megfelel" or "Nem felel meg"
  doksi_kivitelezoi_j varchar(15),  -- verdict: "Megfelel" or "Nem felel meg"
  doksi_uzemeltetesi_j varchar(15),  -- verdict: "Megfelel" or "Nem felel meg"
  doksi_minosegi_j varchar(15),  -- verdict: "Megfelel" or "Nem felel meg"
  doksi_megfelelosegi_j varchar(15),  -- verdict: "Megfelel" or "Nem felel meg"
  doksi_hatosagi_j varchar(15),  -- verdict: "Megfelel" or "Nem felel meg"
  doksi_erintesvedelmi_j varchar(15),  -- verdict: "Megfelel" or "Nem felel meg"
  doksi_jegyzokonyv_j varchar(15),  -- verdict: "Megfelel" or "Nem felel meg"
  doksi_uzemeltetoi_j varchar(15),  -- verdict: "Megfelel" or "Nem felel meg"
  doksi_karbantartoi_j varchar(15),  -- verdict: "Megfelel" or "Nem felel meg"
  doksi_munkavedelmi_j varchar(15),  -- verdict: "Megfelel" or "Nem felel meg"
  doksi_tuzvedelmi_j varchar(15),  -- verdict: "Megfelel" or "Nem felel meg"
  doksi_mkepviseloi_j varchar(15),  -- verdict: "Megfelel" or "Nem felel meg"
  doksi_tervezoi_d date,  -- date of the document
  doksi_kivitelezoi_d date,  -- date of the document
  doksi_uzemeltetesi_d date,  -- date of the document
  doksi_minosegi_d date,  -- date of the document
  doksi_megfelelosegi_d date,  -- date of the document
  doksi_hatosagi_d date,  -- date of the document
  doksi_erintesvedelmi_d date,  -- date of the document
  doksi_jegyzokonyv_d date,  -- date of the document
  doksi_uzemeltetoi_d date,  -- date of the document
  doksi_karbantartoi_d date,  -- date of the document
  doksi_munkavedelmi_d date,  -- date of the document
  doksi_tuzvedelmi_d date,  -- date of the document
  doksi_mkepviseloi_d date,  -- date of the document
  mh_nyilvszam varchar(20),  -- Defence Forces register number
  mh_aktpeldany varchar(3),  -- number of this copy
  mh_peldany varchar(3),  -- number of copies made
  mh_lapszam varchar(3),  -- pages per copy
  mh_itsz varchar(10),  -- filing number
  mh_ugyintezo varchar(50),  -- clerk
  mh_kapjak text,  -- distribution list
  datum_utolsouzem date,  -- date of the last order of operation
  utolsouzemjk integer,  -- number of the protocol of that order
  datum_ujraido date,  -- date from which the restart is ordered
  oka varchar(80),  -- reason of the restart
  ideiglenes boolean,  -- temporary restart
  c_userid varchar(20),  -- user who inserted the row
  c_date date,  -- date of insert
  c_time varchar(10),  -- time of insert, as text
  m_userid varchar(20),  -- user who changed the row last
  m_date date,  -- date of last change
  m_time varchar(10),  -- time of last change, as text
  CONSTRAINT gep_inditas_gkod_fkey FOREIGN KEY (gep_inditas_gkod) REFERENCES gep_munkaeszkoz (gep_munkaeszkoz_kod)
);
CREATE INDEX gep_inditas_context_idx ON gep_inditas (gep_inditas_pkod, gep_inditas_tkod);
CREATE INDEX gep_inditas_gkod_idx ON gep_inditas (gep_inditas_gkod);
