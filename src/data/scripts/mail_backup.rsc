#备份当前配置,并把备份文件作为邮件附件发到收件邮箱

#备份文件名称设置
:local date [/system clock get date]
:local day [:pick $date 4 6]
:local month [:pick $date 0 3]
:local year [:pick $date 7 11]
:local convert ([:find jan,feb,mar,apr,may,jun,jul,aug,sep,oct,nov,dec [:pick $date 0 3]]+1);
:if ($convert <=9) do={
:set convert ("0".$convert)}
:set date ("MikroTik-".$year.$convert.$day);
/system backup save name=$date;
#SMTP服务器设置
:local smtps "{smtp}"
#邮件端口设置
:local ports "{端口}"
#寄件人设置
:local Mailings "{寄件邮箱前缀}"
#寄件人密码设置
:local pass "{密码}"
#收件人账号设置
:local recipient "{收件邮箱}"
#寄件人账号设置
:local Collection "{寄件邮箱}"
#发送内容设置
:local Contents "邮件发送时的公网IP是:"
#发送主题设置
:local Themes "MikroTik系统备份"
#接口名称设置
:local ddnsinterface "{接口}"
#服务器名称设置
:local ServerName "附件为您RouterOS最新的系统配置备份文件"
:local smtpp [:resolve $smtps]
/tool e-mail set address=$smtpp port=$ports start-tls=tls-only from=$Mailings user=$Mailings password=$pass
:global ddnssystems ("您的路由器版本是为 MikroTik v" . [/system package get system version] )
:local ipssfn [ /ip address get [/ip address find interface=$ddnsinterface ] address ]
:global ipss [:pick $ipssfn 0 [:find $ipssfn "/" ] ]
/tool e-mail send to=$recipient from=$Collection subject=$Themes body=("$ServerName\n$ddnssystems\n$Contents$ipss") file=($date . ".backup")
:log warning "系统数据已备份，邮件已发送($Collection)"
:log warning ("外网IP =" ."$ipss")
