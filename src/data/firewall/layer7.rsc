/ip firewall layer7-protocol
add comment="" name=edonkey regexp="^[\C5\E3].\?.\?.\?.\?\01"
add comment="" name=rdp regexp="^\03.\?.\?.\?\E0"
add comment="" name=gnutella regexp=\
    "^(gnutella connect/[0-9]\\.[0-9]|gnutella/[0-9]\\.[0-9] [0-9][0-9][0-9]|ge\
    t /uri-res/n2r\\\?urn:sha1:)"
add comment="" name=cvs regexp="^begin (auth|verification|gssapi) request\0A"
add comment="" name=nbns regexp=\
    " [a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-\
    p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-\
    p][a-p][a-p][ !]\01"
add comment="" name=shoutcast regexp=\
    "^icy [1-5][0-9][0-9] [a-z]|\0D\0Aicy-metadata: *1\0D\0A"
add comment="" name=dns regexp=\
    "^.\?.\?.\?.\?[\01\80-\87]\80\?\83\?\01.\?.\?[\01-\?][-_a-z0-9]+([\01-\?][-\
    _a-z0-9]+)*.\?\01"
add comment="" name=quake-halflife regexp=\
    "^\FF\FF\FF\FF(getinfo|getstatus|getchallenge|getservers|connect|challenge|\
    details|ping|players|rules|info)"
add comment="" name=ciscovpn regexp="\12\F5\F2\8Ceqh\A9p-\9F\E2t\CC\01"
add comment="" name=x11 regexp=\
    "^[bl]\0B(.\?.\?(mit-magic-cookie-1|xdm-authorization-1)|[\01\02]\0B)"
add comment="" name=live365 regexp=\
    "^(get|post|head) [^\0D\0A]*\0D\0A([^\0D\0A]*\0D\0A)*host: ([-.a-z0-9]*\\.)\
    \?(live365\\.com)[\0D:]|^\16\03.*[^-.a-z0-9]([-a-z0-9]+\\.)*(live365\\.com)"
add comment="" name=rlogin regexp=\
    "^[a-z][-_.a-z0-9]*/(300|1200|2400|4800|9600|19200|38400|57600|115200)"
add comment="" name=http regexp=\
    "^(get|post|head|put|delete|options|trace|connect|patch) [^ \0D\0A]+ http/[\
    01]\\.[0-9]\0D\?\0A|^http/[01]\\.[0-9] [1-5][0-9][0-9]"
add comment="" name=sip regexp=\
    "^(invite|register|options|bye|cancel|ack|subscribe|notify|message|info|pra\
    ck|update|refer|publish) sips\?:[^ ]+ sip/2\\.0\0D\?\0A|^sip/2\\.0 [1-6][0-\
    9][0-9]"
add comment="" name=pop3 regexp=\
    "^\\+ok[^\0D\0A]*\0D\?\0A(user |apop |capa|auth|stls|stat|quit)"
add comment="" name=smb regexp="^.\?.\?.\?[\FE\FF]smb"
add comment="" name=quake1 regexp="^\80.\?.\?[\01\02]quake\03"
add comment="" name=lpd regexp="^[\01-\05][-_.a-z0-9]+[ \0A]"
add comment="" name=ssh regexp="^ssh-[12]\\.[0-9]"
add comment="" name=jabber regexp="<stream:stream[^>]*jabber:(client|server)"
add comment="" name=bittorrent regexp=\
    "^\13bittorrent protocol|^get /(announce|scrape)\\\?info_hash=|^d1:[ar]d2:i\
    d20:"
add comment="" name=ncp regexp="^(dmdt|tncp)"
add comment="" name=tls regexp="^\16\03[\01-\03]\?..\?\01..\?.\?\03[\01-\04]\?"
add comment="" name=directconnect regexp="^(\\\$mynick |\\\$lock |[hc]sup ad)"
add comment="" name=netbios regexp=\
    "^\81.\?.\? [a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-\
    p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-p][a-\
    p][a-p][a-p][a-p][a-p]"
add comment="" name=tftp regexp="^[\01\02][ -~]+(netascii|octet|mail)"
add comment="" name=hotline regexp="^(trtphotl\01\02|htxf)"
add comment="" name=doom3 regexp="^\FF\FF(getinfo|challenge|connect)"
add comment="" name=ftp regexp=\
    "^220[^\0D\0A]*\0D\?\0A([^\0D\0A]*\0D\?\0A)*(user |auth (tls|ssl)|feat|syst\
    |opts )"
add comment="" name=tsp regexp="^version=[0-9]\\.[0-9]\\.[0-9]\0D\?\0A"
add comment="" name=ssdp regexp="^(m-search|notify) \\* http/1\\.1\0D\0A"
add comment="" name=imap regexp=\
    "^\\* (ok|preauth)[^\0D\0A]*\0D\?\0A[a-z0-9]+ (capability|login|authenticat\
    e|starttls|id)"
add comment="" name=fasttrack regexp=\
    "^get /\\.hash=[0-9a-f]+ http/1\\.[01]\0D\0A|\0D\0Ax-kazaa-(username|networ\
    k|ip|supernodeip):"
add comment="" name=aim regexp="^(\\*\01.\?.\?.\?.\?\01|flapon\0D\0A\0D\0A)"
add comment="" name=msn-filetransfer regexp="^ver msnftp\0D\0A"
add comment="" name=yahoo regexp="^ymsg"
add comment="" name=vnc regexp="^rfb 00[0-9]\\.00[0-9]\0A"
add comment="" name=bgp regexp=\
    "^\FF\FF\FF\FF\FF\FF\FF\FF\FF\FF\FF\FF\FF\FF\FF\FF..\?\01\04"
add comment="" name=h323 regexp="^\03.\?.\?\08\02.\?.\?\05"
add comment="" name=finger regexp=\
    "^(/w +)\?[a-z][-_.a-z0-9]*(@[-.a-z0-9]+)\?\0D\0A(login|no such user|[a-z][\
    -_.a-z0-9]*: no such user)"
add comment="" name=ident regexp="^[0-9]+ *, *[0-9]+ *\0D\?\0A"
add comment="" name=gkrellm regexp=\
    "^gkrellm [0-9]+\\.[0-9.]+\0A|<gkrellmd_setup>"
add comment="" name=hddtemp regexp=\
    "^\\|/dev/[a-z0-9/]+\\|[^|]*\\|([0-9]+|na|unk|slp)\\|[cf*]\\|"
add comment="" name=socks regexp="^\05[\01-\09][\01-\03\80-\FE]*\05"
add comment="" name=biff regexp="^[a-z][-_.a-z0-9]*@[0-9]+(:[^\0A]*)\?\0A\?\$"
add comment="" name=dhcp regexp="^[\01\02]\01\06.*c\82sc"
add comment="" name=smtp regexp=\
    "^220[^\0D\0A]*\0D\?\0A([^\0D\0A]*\0D\?\0A)*(ehlo|helo) "
add comment="" name=ipp regexp=application/ipp
add comment="" name=msnmessenger regexp="^ver [0-9]+ msnp[0-9]+"
add comment="" name=irc regexp=\
    "^(nick [^\0D\0A]+\0D\?\0Auser |user [^\0D\0A]+\0D\?\0Anick |pass [^\0D\0A]\
    +\0D\?\0A(nick|user) |cap ls)"
add comment="" name=gopher regexp=\
    "^[\09 -~]*\0D\0A[0-9ih+gs][^\09\0D\0A]*\09[^\09\0D\0A]*\09[-.a-z0-9]+\09[0\
    -9]+\0D\0A"
add comment="" name=telnet regexp="^\FF[\FB-\FE].\?\FF[\FB-\FE]"
add comment="" name=snmp regexp="^0.\?.\?\02\01[\01\03]\?\04.[ -~]*[\A0-\A8]"
add comment="" name=nntp regexp=\
    "^20[01][ -][^\0D\0A]*\0D\?\0A(mode reader|capabilities|authinfo|group|list\
    |article|newnews)"
add comment="" name=rtsp regexp=\
    "^(options|describe|setup|play|announce|get_parameter) [^ ]+ rtsp/1\\.0\0D\
    \?\0A|^rtsp/1\\.0 [1-5][0-9][0-9]"
add comment="" name=counterstrike-source regexp=\
    "^\FF\FF\FF\FFtsource engine query\FF\FF\FF\FFi.*cstrike"
add comment="" name=halflife2-deathmatch regexp=\
    "^\FF\FF\FF\FFtsource engine query\FF\FF\FF\FFi.*hl2mp"
add comment="" name=napster regexp=\
    "^..\?\02[-_.a-z0-9]+ [^ ]+ [0-9]+ \"[^\"]*\" [0-9]+"
add comment="" name=ssl regexp="^[\80\81].\01[\02\03]"
add comment="" name=citrix regexp="^\7F\7Fica"
add comment="" name=whois regexp=\
    "^[-.a-z0-9]+\\.[a-z0-9]+\0D\0A[\09-\0D -~]*(domain name|registrar|whois se\
    rver|netname|inetnum|no match)"
add comment="" name=dayofdefeat-source regexp=\
    "^\FF\FF\FF\FFtsource engine query\FF\FF\FF\FFi.*dod"
add comment="" name=teamspeak regexp="^ts3init1"
add comment="" name=http-rtsp regexp=\
    "\0D\0A(accept|content-type): *application/x-rtsp-tunnelled|\0D\0Ax-session\
    cookie:"
add comment="" name=uucp regexp="^\10shere"
add comment="" name=subversion regexp="^\\( success \\( [0-9] [0-9] \\("
add comment="" name=cimd regexp="^\02[0-9][0-9]:[0-9][0-9][0-9]\09"
add comment="" name=stun regexp="^\01\?\01.\?.\?!\12\A4b"
add comment="" name=snmpmon regexp=\
    "^0.\?.\?\02\01[\01\03]\?\04.[ -~]*[\A0\A1\A5]"
add comment="" name=qqlive regexp=\
    "^(get|post|head) [^\0D\0A]*\0D\0A([^\0D\0A]*\0D\0A)*host: ([-.a-z0-9]*\\.)\
    \?(v\\.qq\\.com)[\0D:]|^\16\03.*[^-.a-z0-9]([-a-z0-9]+\\.)*(v\\.qq\\.com)"
add comment="" name=pplive regexp=\
    "^(get|post|head) [^\0D\0A]*\0D\0A([^\0D\0A]*\0D\0A)*host: ([-.a-z0-9]*\\.)\
    \?(pptv\\.com|pplive\\.com)[\0D:]|^\16\03.*[^-.a-z0-9]([-a-z0-9]+\\.)*(pptv\
    \\.com|pplive\\.com)"
add comment="" name=qqmusic regexp=\
    "^(get|post|head) [^\0D\0A]*\0D\0A([^\0D\0A]*\0D\0A)*host: ([-.a-z0-9]*\\.)\
    \?(y\\.qq\\.com)[\0D:]|^\16\03.*[^-.a-z0-9]([-a-z0-9]+\\.)*(y\\.qq\\.com)"
add comment="" name=zip regexp="^(get|head) [^ ]*\\.zip[ \?]"
add comment="" name=rar regexp="^(get|head) [^ ]*\\.rar[ \?]"
add comment="" name=exe regexp="^(get|head) [^ ]*\\.exe[ \?]"
add comment="" name=iso regexp="^(get|head) [^ ]*\\.iso[ \?]"
add comment="" name=flv regexp="^(get|head) [^ ]*\\.flv[ \?]"
add comment="" name=f4v regexp="^(get|head) [^ ]*\\.f4v[ \?]"
add comment="" name=mp4 regexp="^(get|head) [^ ]*\\.mp4[ \?]"
add comment="" name=hlv regexp="^(get|head) [^ ]*\\.hlv[ \?]"
add comment="" name=rmvb regexp="^(get|head) [^ ]*\\.rmvb[ \?]"
add comment="" name=rm regexp="^(get|head) [^ ]*\\.rm[ \?]"
add comment="" name=avi regexp="^(get|head) [^ ]*\\.avi[ \?]"
add comment="" name=http_html regexp=\
    "http/1\\.[01] [1-5][0-9][0-9][^\0D\0A]*\0D\0A([^\0D\0A]*\0D\0A)*content-ty\
    pe: *text/html"
add comment="" name=http_png regexp=\
    "http/1\\.[01] [1-5][0-9][0-9][^\0D\0A]*\0D\0A([^\0D\0A]*\0D\0A)*content-ty\
    pe: *image/png"
add comment="" name=http_gif regexp=\
    "http/1\\.[01] [1-5][0-9][0-9][^\0D\0A]*\0D\0A([^\0D\0A]*\0D\0A)*content-ty\
    pe: *image/gif"
add comment="" name=http_javascript regexp=\
    "http/1\\.[01] [1-5][0-9][0-9][^\0D\0A]*\0D\0A([^\0D\0A]*\0D\0A)*content-ty\
    pe: *(application|text)/(x-)\?(javascript|ecmascript)"
add comment="" name=http_jpeg regexp=\
    "http/1\\.[01] [1-5][0-9][0-9][^\0D\0A]*\0D\0A([^\0D\0A]*\0D\0A)*content-ty\
    pe: *image/p\?jpe\?g"
add comment="" name=http_flash regexp=\
    "http/1\\.[01] [1-5][0-9][0-9][^\0D\0A]*\0D\0A([^\0D\0A]*\0D\0A)*content-ty\
    pe: *application/x-shockwave-flash"
add comment="" name=https regexp="^\16\03.*(\02h2|\08http/1\\.1)"
add comment="" name=Qzone regexp=\
    "^(get|post|head) [^\0D\0A]*\0D\0A([^\0D\0A]*\0D\0A)*host: ([-.a-z0-9]*\\.)\
    \?(qzone\\.qq\\.com)[\0D:]|^\16\03.*[^-.a-z0-9]([-a-z0-9]+\\.)*(qzone\\.qq\
    \\.com)"
add comment="" name=File regexp="\0D\0Acontent-disposition: *attachment"
add comment="" name=Swf regexp="^(get|head) [^ ]*\\.swf[ \?]"
add comment="" name=Tudou regexp=\
    "^(get|post|head) [^\0D\0A]*\0D\0A([^\0D\0A]*\0D\0A)*host: ([-.a-z0-9]*\\.)\
    \?(tudou\\.com)[\0D:]|^\16\03.*[^-.a-z0-9]([-a-z0-9]+\\.)*(tudou\\.com)"
add comment="" name=Youku regexp=\
    "^(get|post|head) [^\0D\0A]*\0D\0A([^\0D\0A]*\0D\0A)*host: ([-.a-z0-9]*\\.)\
    \?(youku\\.com)[\0D:]|^\16\03.*[^-.a-z0-9]([-a-z0-9]+\\.)*(youku\\.com)"
add comment="" name=Ku6 regexp=\
    "^(get|post|head) [^\0D\0A]*\0D\0A([^\0D\0A]*\0D\0A)*host: ([-.a-z0-9]*\\.)\
    \?(ku6\\.com)[\0D:]|^\16\03.*[^-.a-z0-9]([-a-z0-9]+\\.)*(ku6\\.com)"
add comment="" name=Qiyi regexp=\
    "^(get|post|head) [^\0D\0A]*\0D\0A([^\0D\0A]*\0D\0A)*host: ([-.a-z0-9]*\\.)\
    \?(iqiyi\\.com|qiyi\\.com)[\0D:]|^\16\03.*[^-.a-z0-9]([-a-z0-9]+\\.)*(iqiyi\
    \\.com|qiyi\\.com)"
add comment="" name=Vod_mp3 regexp="^(get|head) [^ ]*\\.mp3[ \?]"
add comment="" name=Kugou regexp=\
    "^(get|post|head) [^\0D\0A]*\0D\0A([^\0D\0A]*\0D\0A)*host: ([-.a-z0-9]*\\.)\
    \?(kugou\\.com)[\0D:]|^\16\03.*[^-.a-z0-9]([-a-z0-9]+\\.)*(kugou\\.com)"
add comment="" name=Jpg regexp="^(get|head) [^ ]*\\.jpe\?g[ \?]"
add comment="" name=Htm regexp="^(get|head) [^ ]*\\.html\?[ \?]"