#脚本开始#
#PPPoE账号的备注前8位写到期日(年月日,如20150125),每天检查一次
:global ip 120.85.13.10
#每月1日之前的天数:前12个是平年,后12个是闰年
:global leapyear {0;31;59;90;120;151;181;212;243;273;304;334;0;31;60;91;121;152;182;213;244;274;305;335}
#今天是第几天(从公元1年1月1日算起)
:local date [/system clock get date]
:local year [:tonum [:pick $date 7 11]]
:local month ([:find "janfebmaraprmayjunjulaugsepoctnovdec" [:pick $date 0 3]] / 3)
:local day ([:tonum ("1" . [:pick $date 4 6])] - 100)
:local leap 0
:if ((($year - 1) % 4) = 3) do={:set leap 12}
:local today (($year - 1) * 365 + ($year - 1) / 4 + [:pick $leapyear ($month + $leap)] + $day - 1)
:log error ("\BD\F1\CC\EC\CA\C7 : " . $date)
:foreach s in=[/ppp secret find where disabled=no comment!=""] do={
:local name [/ppp secret get $s name]
:local c [/ppp secret get $s comment]
:local ey [:tonum [:pick $c 0 4]]
:if ([:len $c] < 8 || [:typeof $ey] != "num") do={
:log error ("error PPP comment user " . $name)
:beep frequency=2080
} else={
#到期日是第几天,算法同上
:local em ([:tonum ("1" . [:pick $c 4 6])] - 101)
:local ed ([:tonum ("1" . [:pick $c 6 8])] - 100)
:local el 0
:if ((($ey - 1) % 4) = 3) do={:set el 12}
:local left ((($ey - 1) * 365 + ($ey - 1) / 4 + [:pick $leapyear ($em + $el)] + $ed - 1) - $today)
#3天内到期:换成提醒用的地址并断开,重新拨号后访问网页时看到提醒
:if ($left >= 0 && $left <= 3) do={
/ppp secret set $s remote-address=$ip
/ppp active remove [/ppp active find name=$name]
:log error ("\D3\C3\BB\A7 : [ " . $name . " ] \BB\E1\B1\BB\CD\A3\D3\C3\D3\DA : " . [:pick $c 0 8])
:set ip ($ip + 1)
}
#已经到期:停用账号并断开
:if ($left < 0) do={
/ppp secret set $s disabled=yes
/ppp active remove [/ppp active find name=$name]
:log error ("\BD\FB\D3\C3\D3\C3\BB\A7 : [ " . $name . " ]")
}
}
}
#脚本结束#
