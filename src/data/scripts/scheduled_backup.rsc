/system schedule add interval={执行周期} name="ROS\D7\D4\B6\AF\B1\B8\B7\DD\BD\C5\B1\BE " on-event="###d\
    ate:year-month-day\r\
    \n:do {\r\
    \n:local date [/system clock get date]\r\
    \n:local day [:pick \$date 4 6]\r\
    \n:local month [:pick \$date 0 3]\r\
    \n:local year [:pick \$date 7 11]\r\
    \n:local convert ([:find jan,feb,mar,apr,may,jun,jul,aug,sep,oct,nov,dec [\
    :pick \$date 0 3]]+1);\r\
    \n:if (\$convert <=9) do={\r\
    \n:set convert (\"0\".\$convert)}\r\
    \n:set date (\$year.\$convert.\$day);\r\
    \n/system backup save name=\$date;}" policy=\
    ftp,reboot,read,write,policy,test,password,sniff,sensitive start-date=\
    jan/25/2015 start-time={执行时间}
