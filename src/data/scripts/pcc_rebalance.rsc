#PPPoE线路掉线后重新分配PCC:新连接只分给在线的线路,线路恢复后还原
#按多线PPPoE负载页面生成的规则查找:PCC规则的分类器以 /序号 结尾,
#它的连接标记 pppoe-outN_conn 又由 mark-routing 规则转成路由标记
#使用条件:你的ROS使用了PCC功能,否则脚本无效
#由计划任务每分钟运行一次,也可以用 /system script run 手动运行
:local pppoeclientAllNum
:local pppoeclientRunNum
:local pppoeclientName
:local z 0
#得到 ADSL 总线路数，包括禁用的,未拨号的。
:set pppoeclientAllNum [:len [/interface pppoe-client find ]]
#得到 ADSL 正常线路数。
:set pppoeclientRunNum [:len [/interface pppoe-client find running=yes]]
:log warning ("pppoeclient总线数:" . $pppoeclientAllNum)
:log warning ("===pppoeclient在线运行线数" . $pppoeclientRunNum)
#有线路掉线:前面的规则按在线线路数重新分配,多出来的规则停用
#在线N条时,序号0到N-1的规则改为 N/序号,新连接由这N条规则平分;
#序号N及以后的规则和它的 mark-routing 规则停用
:if ($pppoeclientRunNum < $pppoeclientAllNum) do={
:for ii from=0 to=($pppoeclientAllNum - 1) do={
#序号为ii的PCC规则
#找不到这条规则(没有使用PCC)时什么也不做
:local pcc [/ip firewall mangle find per-connection-classifier~("/" . $ii . "\$")]
:if ([:len $pcc] = 1) do={
#保留原来的分类方式(both-addresses等)
:local kind [/ip firewall mangle get $pcc per-connection-classifier]
:set kind [:pick $kind 0 [:find $kind ":"]]
#这条规则的连接标记所对应的 mark-routing 规则
:local mark [/ip firewall mangle get $pcc new-connection-mark]
:local route [/ip firewall mangle find action="mark-routing" connection-mark=$mark]
:if ($ii <= ($pppoeclientRunNum - 1)) do={
/ip firewall mangle set $pcc per-connection-classifier=($kind . ":" . $pppoeclientRunNum . "/" . $ii) comment=("PCC" . $pppoeclientRunNum . "-" . $ii) disabled=no
/ip firewall mangle enable $route
} else={
/ip firewall mangle disable $pcc
/ip firewall mangle disable $route
:log warning ($kind . ":" . $pppoeclientAllNum . "/" . $ii . "disable")
}
}
}
}
#全部线路在线:如果有停用的规则,按总线路数还原
#z:被停用的 prerouting 标记连接规则数
:if ($pppoeclientRunNum = $pppoeclientAllNum) do={
:set z [:len [/ip firewall mangle find action="mark-connection" disabled=yes chain=prerouting]]
:if ($z > 0 && $pppoeclientRunNum > 0) do={
#序号0到N-1的规则改回 N/序号 并启用
:for ii from=0 to=($pppoeclientRunNum - 1) do={
#序号为ii的PCC规则
#找不到这条规则(没有使用PCC)时什么也不做
:local pcc [/ip firewall mangle find per-connection-classifier~("/" . $ii . "\$")]
:if ([:len $pcc] = 1) do={
#保留原来的分类方式(both-addresses等)
:local kind [/ip firewall mangle get $pcc per-connection-classifier]
:set kind [:pick $kind 0 [:find $kind ":"]]
#这条规则的连接标记所对应的 mark-routing 规则
:local mark [/ip firewall mangle get $pcc new-connection-mark]
:local route [/ip firewall mangle find action="mark-routing" connection-mark=$mark]
/ip firewall mangle set $pcc per-connection-classifier=($kind . ":" . $pppoeclientRunNum . "/" . $ii) comment=("PCC" . $pppoeclientRunNum . "-" . $ii) disabled=no
/ip firewall mangle enable $route
:log warning ($kind . ":" . $pppoeclientRunNum . "/" . $ii)
}
}
}
}
