/ip firewall mangle
add action=add-src-to-address-list address-list=notyet address-list-timeout=1s chain=prerouting comment=Push disabled=no dst-port=80 protocol=tcp src-address-list=!already 
add action=add-src-to-address-list address-list=already address-list-timeout=30m chain=prerouting disabled=no dst-port=80 protocol=tcp src-address-list=notyet
/ip firewall nat add action=redirect chain=dstnat comment=Push disabled=no dst-port=80 protocol=tcp src-address-list=notyet to-ports=9797

/system script
add name=Exp_Auto policy=\
    ftp,reboot,read,write,policy,test,winbox,password,sniff,sensitive source={脚本}

/system scheduler add disabled=no interval=1d name=ExpAuto on-event=Exp_Auto  policy=reboot,read,write,policy,test,password,sniff,sensitive start-date=jan/01/1970 start-time=03:00:00


/ip proxy set always-from-cache=no cache-administrator=webmaster cache-hit-dscp=4 cache-on-disk=no enabled=yes max-cache-size=none max-client-connections=600 max-fresh-time=3d max-server-connections=600 parent-proxy=0.0.0.0  parent-proxy-port=0 port=9797 serialize-connections=no src-address=0.0.0.0
/ip proxy access add action=deny comment="push to error" disabled=no dst-port=80
