#花生壳HTTP更新脚本:先取外网网卡的IP地址,再提交更新

:local ipaddr
:local server "http://ddns.oray.com"
:local domain "{域名}"
:local users "{账号}"
:local paswd "{密码}"
:set ipaddr [/ip address get [/ip address find interface={网卡}] address]
:set ipaddr [:pick $ipaddr 0 [:find $ipaddr "/"]]
:local par "/ph/update\?&hostname=$domain&myip=$ipaddr"
/tool fetch url=($server . $par) mode=http user=$users password=$paswd
