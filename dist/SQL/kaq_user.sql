-- kaq_user: users of the program with password, rights, personal print options and working context
CREATE TABLE kaq_user (
  user_kod serial PRIMARY KEY,
  felhasznalo varchar(20),  -- login name; also the name written into the audit columns
  jelszo varchar(20),  -- password, plain text
  nev varchar(80),  -- full name
  datum date,  -- date the user was created
  superuser boolean,  -- administrator: every right and the user administration
  partner_kod integer,  -- working context: selected partner (partner.partner_kod); 0 or empty = none
  telephely_kod integer,  -- working context: selected site (telephely.telephely_kod)
  login boolean,  -- true while the user is logged in on some workstation
  u_partner boolean,  -- right: partners
  u_dolgozo boolean,  -- right: employees
  u_munkaeszkoz boolean,  -- right: machine register, machine export and import
  u_szabvany boolean,  -- right: standards and standard groups
  u_jogszabaly boolean,  -- right: legislation
  u_feor boolean,  -- right: FEOR codes (kept only)
  u_teaor boolean,  -- right: TEÁOR codes (kept only)
  u_alairas boolean,  -- right: signatories
  u_tulajdonos boolean,  -- right: owner record
  u_gepvizsgalat boolean,  -- right: machine inspection templates, protocols, orders, queries, schedule
  u_baleset boolean,  -- right: accident register
  u_kockazat boolean,  -- right: risk assessment
  u_import boolean,  -- right: generic table import
  u_kaqimport boolean,  -- right: import of the earlier generation's database
  u_backup boolean,  -- right: backup
  u_vegyi boolean,  -- right: chemical substances
  u_csere boolean,  -- right: change the partner in the working-context switcher
  u_karbantartas boolean,  -- right: maintenance
  u_hulladek boolean,  -- right: waste management
  alairas_nev varchar(50),  -- print option: signatory printed on documents (alairas.nev)
  alairas_beosztas varchar(40),  -- print option: signatory's position
  o_ommfkod boolean,  -- print option: the accident report prints the OMMF codes
  o_alairas boolean,  -- print option: the risk analysis leaves out its author's signature
  u_stempli boolean,  -- print option: put the user's hand-signature picture on documents
  stempli_nev varchar(50),  -- file name of the signature picture in the Stempli folder
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
