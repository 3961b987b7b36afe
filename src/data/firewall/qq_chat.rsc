/ ip firewall filter 
add chain=forward protocol=tcp dst-port=8008 action=drop comment="QQServer" 
add chain=forward protocol=udp dst-port=8000 action=drop 
add chain=forward content="sz.tencent.com" action=reject comment="QQ login host of older clients: check that it is still in use before enabling" disabled=yes
add chain=forward content="sz2.tencent.com" action=reject disabled=yes
add chain=forward content="sz3.tencent.com" action=reject disabled=yes
add chain=forward content="sz4.tencent.com" action=reject disabled=yes
add chain=forward content="sz5.tencent.com" action=reject disabled=yes
add chain=forward content="sz6.tencent.com" action=reject disabled=yes
add chain=forward content="sz7.tencent.com" action=reject disabled=yes
add chain=forward content="tcpconn.tencent.com" action=reject disabled=yes
add chain=forward content="tcpconn2.tencent.com" action=reject disabled=yes
add chain=forward content="tcpconn3.tencent.com" action=reject disabled=yes
add chain=forward content="tcpconn4.tencent.com" action=reject disabled=yes