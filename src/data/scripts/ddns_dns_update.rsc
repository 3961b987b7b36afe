#本DDNS脚本更新外网网卡的IP地址,地址变了才提交

:local ether "{网卡}"
#DDNS帐号
:local user "{账号}"
#DDNS密码
:local pass "{密码}"
#DDNS域名
:local host "{域名}"
#以下不需要修改
:local oldip [:resolve $host]
:delay 5s
:local newip [ /ip address get [/ip address find interface=$ether ] address ]
:set newip [:pick $newip 0 [:find $newip "/"]]
:if ($oldip != $newip) do={
/tool dns-update address=$newip    key-name=$user key=$pass name=$host
:log error ("\BE\C9\B5\C4IP\B5\D8\D6\B7\A3\BA: " .$oldip)
:log error ("\D0\C2\B5\C4IP\B5\D8\D6\B7\A3\BA: " .$newip)}
